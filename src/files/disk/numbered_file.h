#pragma once

#include <QByteArray>
#include <QString>

#include "files/disk/file_access.h"

namespace tochkograf {

// Makes the folder `path` and those on the way to it that are missing; Ok
// where it is there already. NotAFile where something else is there.
FileStatus MakeFolder(const QString& path);

// Writes `bytes` as a new file in `folder`, named `stem`, "-", the first
// number from `number` on that no file there has, and `extension`
// ("from-7916-2.ems"); `number` then the next after it, where a caller
// that writes many of one stem starts the next. A file already there is
// never replaced, not even one made meanwhile; one that cannot be written
// whole is removed. The name taken, with its folder, in `name`; Ok, or why
// nothing was written.
FileStatus SaveNumbered(const QString& folder, const QString& stem, const QString& extension,
                        const QByteArray& bytes, int& number, QString& name);

}  // namespace tochkograf
