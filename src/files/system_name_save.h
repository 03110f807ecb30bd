#pragma once

#include <QByteArray>
#include <QString>

namespace tochkograf {

// SaveWhole for a name Qt's file classes cannot reach (its bytes are not
// UTF-8, see system_name.h): the bytes go to a new file of a name of the
// program's own in the same folder, which is then renamed to exactly the
// name asked for. So, as with SaveWhole, an existing file is replaced only
// once every byte of the new one is on disk, and the new file keeps its
// permission bits. False, with nothing changed, for a name that is not a
// regular file, a file the user may not write, a folder that takes no new
// file (such a file is not written in place) or any failed write.
bool SaveUnderSystemName(const QString& path, const QByteArray& bytes);

}  // namespace tochkograf
