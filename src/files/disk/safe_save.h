#pragma once

#include <QByteArray>
#include <QString>

#include "files/disk/file_access.h"

namespace tochkograf {

// Writes `bytes` as the whole of the file at `path` (through a symbolic
// link, to the file it names). An existing file is replaced only once every
// byte of the new one is on disk, so a failed write leaves it as it was; the
// new file keeps the old one's permission bits and, where the system lets
// it, its owner. Only where no new file can be made beside the old one (a
// writable file in a read-only folder) is the old file written in place;
// then the bytes it loses are kept first and put back, with its length, if
// the writing fails half-way. Ok, or why the file was not written: a path
// that is not a regular file, a file the user may not write, or the
// system's reason for a failed write.
FileStatus SaveWhole(const QString& path, const QByteArray& bytes);

}  // namespace tochkograf
