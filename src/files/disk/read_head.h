#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tochkograf {

// Reads the first `limit` bytes of a file (all of a shorter one); what
// follows is never needed. False when the file cannot be opened or read, or
// is not a regular file (a FIFO, a device, a socket): it never waits.
bool ReadHead(const QString& name, qint64 limit, QByteArray& bytes);

// Opens a regular file for reading in `file`, on the same terms, for readers
// that take the bytes as they need them rather than all at once.
bool OpenToRead(const QString& name, QFile& file);

}  // namespace tochkograf
