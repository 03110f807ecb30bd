#pragma once

#include <QByteArray>
#include <QString>

namespace tochkograf {

// Reads the first `limit` bytes of a file (all of a shorter one); what
// follows is never needed. False when the file cannot be opened or read, or
// is not a regular file (a FIFO, a device, a socket): it never waits.
bool ReadHead(const QString& name, qint64 limit, QByteArray& bytes);

}  // namespace tochkograf
