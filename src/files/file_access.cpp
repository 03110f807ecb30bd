#include "files/file_access.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <cerrno>

#include "files/read_head.h"
#include "files/safe_save.h"

namespace tochkograf {

namespace {

// Asked only after a failure, so a check here never stands in for the
// attempt itself. The system says why it cannot reach the file.
FileStatus WhyNotRead(const QString& name) {
  const QByteArray path = QFile::encodeName(name);
  struct stat file {};
  if (::stat(path.constData(), &file) != 0) return StatusOfError(errno);
  if (!S_ISREG(file.st_mode)) return FileStatus::NotAFile;
  if (::access(path.constData(), R_OK) != 0) return StatusOfError(errno);
  return FileStatus::Failed;
}

}  // namespace

FileStatus StatusOfError(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileStatus::Missing;
    case EISDIR:
      return FileStatus::NotAFile;
    case EACCES:
    case EPERM:
      return FileStatus::NoPermission;
    case EROFS:
      return FileStatus::ReadOnlyDisk;
    case ENAMETOOLONG:
      return FileStatus::NameTooLong;
    case ENOSPC:
    case EDQUOT:
      return FileStatus::NoSpace;
    case EFBIG:
      return FileStatus::TooLarge;
    default:
      return FileStatus::Failed;
  }
}

FileStatus ReadFileHead(const QString& name, qint64 limit, QByteArray& bytes) {
  const QFileInfo file(name);
  // A folder may open and read as nothing, and a pipe or a device would
  // keep the reader waiting: only plain files are read.
  if (file.exists() && !file.isFile()) return FileStatus::NotAFile;
  return ReadHead(name, limit, bytes) ? FileStatus::Ok : WhyNotRead(name);
}

FileStatus OpenFileToRead(const QString& name, QFile& file) {
  const QFileInfo info(name);
  if (info.exists() && !info.isFile()) return FileStatus::NotAFile;
  return OpenToRead(name, file) ? FileStatus::Ok : WhyNotRead(name);
}

FileStatus SaveWholeFile(const QString& name, const QByteArray& bytes) {
  return SaveWhole(name, bytes);
}

}  // namespace tochkograf
