#pragma once

#include <QByteArray>
#include <QString>

namespace tochkograf {

// Writes `bytes` as the whole of the file at `path`. An existing file is
// replaced only once every byte of the new one is on disk, so a failed write
// leaves it as it was; the new file keeps the old one's permission bits.
// Only where the folder cannot take the new file beside the old one (a
// writable file in a read-only folder) is the old file written in place.
// False, with nothing changed, for a path that is not a regular file, a file
// the user may not write, or any failed write. A name Qt cannot reach goes
// to SaveUnderSystemName.
bool SaveWhole(const QString& path, const QByteArray& bytes);

}  // namespace tochkograf
