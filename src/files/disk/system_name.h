#pragma once

#include <QByteArray>
#include <QString>

namespace tochkograf {

// File names as the system holds them are bytes, which need not be UTF-8
// (a name from an old archive or another system's disk). Qt's own
// conversion turns each byte that is not UTF-8 into U+FFFD, and the name
// that comes back names another file. Here such a byte becomes a lone
// surrogate U+DC80..U+DCFF in the text and goes back as the same byte, so
// every name the system gives survives the round trip.

QString NameFromSystem(const QByteArray& bytes);
QByteArray SystemName(const QString& name);

// Whether Qt's file classes reach the file `name`: it holds no such byte.
bool QtReachesName(const QString& name);

// The name as the user reads it: each such byte a U+FFFD.
QString ReadableName(const QString& name);

// `name` from the working directory, whatever the bytes of either: Qt's
// QDir::currentPath() would give another folder's name where the working
// directory's are not UTF-8.
QString AbsoluteName(const QString& name);

}  // namespace tochkograf
