#include "files/disk/file_access.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/disk/read_head.h"
#include "files/disk/system_name.h"

namespace tochkograf {

namespace {

// What lies at a name, looked at by the bytes the system knows it by:
// Qt's QFileInfo would look at another name where they are not UTF-8.
struct Entry {
  explicit Entry(const QString& name)
      : path(SystemName(name)), exists(::stat(path.constData(), &status) == 0) {}
  bool NotAFile() const { return exists && !S_ISREG(status.st_mode); }

  QByteArray path;
  struct stat status {};
  bool exists;
};

// Asked only after a failure, so a check here never stands in for the
// attempt itself. The system says why it cannot reach the file.
FileStatus WhyNotRead(const QString& name) {
  const QByteArray path = SystemName(name);
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
  // A folder may open and read as nothing, and a pipe or a device would
  // keep the reader waiting: only plain files are read.
  if (Entry(name).NotAFile()) return FileStatus::NotAFile;
  return ReadHead(name, limit, bytes) ? FileStatus::Ok : WhyNotRead(name);
}

FileStatus OpenFileToRead(const QString& name, QFile& file) {
  if (Entry(name).NotAFile()) return FileStatus::NotAFile;
  return OpenToRead(name, file) ? FileStatus::Ok : WhyNotRead(name);
}

}  // namespace tochkograf
