#include "files/disk/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "files/disk/system_name.h"

namespace tochkograf {

namespace {

// Both go on after a short transfer; false, with errno set, on failure.
bool WriteAt(int fd, const QByteArray& bytes, off_t offset) {
  for (qsizetype done = 0; done < bytes.size();) {
    const ssize_t written =
        ::pwrite(fd, bytes.constData() + done, bytes.size() - done, offset + done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += written;
  }
  return true;
}

bool ReadAt(int fd, QByteArray& bytes, off_t offset) {
  for (qsizetype done = 0; done < bytes.size();) {
    const ssize_t read = ::pread(fd, bytes.data() + done, bytes.size() - done, offset + done);
    if (read < 0 && errno == EINTR) continue;
    if (read == 0) errno = EIO;  // the file shrank under us
    if (read <= 0) return false;
    done += read;
  }
  return true;
}

// The file a save is to replace, by the bytes the system names it: a
// symbolic link stays and the file it names is written.
QByteArray TargetOf(const QString& path) {
  const QByteArray name = SystemName(AbsoluteName(path));
  struct stat link {};
  if (::lstat(name.constData(), &link) != 0 || !S_ISLNK(link.st_mode)) return name;
  char* real = ::realpath(name.constData(), nullptr);
  if (!real) return name;  // a link to nothing is replaced by the file
  const QByteArray target(real);
  std::free(real);
  return target;
}

// A new file in the target's folder, under a short name of its own, so
// that a target whose name is as long as the system allows still gets one.
int CreateBeside(const QByteArray& target, QByteArray& name) {
  const QByteArray folder = target.left(target.lastIndexOf('/') + 1);
  for (int attempt = 0; attempt < 16; ++attempt) {
    name =
        folder + ".tochkograf-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Overwrites the file in place. The bytes the new ones cover are read
// first; if the writing fails half-way they are written back and the file
// cut to its old length, which needs no more room than it had.
FileStatus WriteInPlace(const QByteArray& target, const QByteArray& bytes) {
  const int fd = ::open(target.constData(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return StatusOfError(errno);
  struct stat old {};
  QByteArray kept;
  bool read = ::fstat(fd, &old) == 0;
  if (read) {
    kept.resize(std::min<qint64>(old.st_size, bytes.size()));
    read = ReadAt(fd, kept, 0);
  }
  if (!read) {
    const int error = errno;
    ::close(fd);
    return StatusOfError(error);
  }
  const bool shorter = bytes.size() < old.st_size;
  if (WriteAt(fd, bytes, 0) && (!shorter || ::ftruncate(fd, bytes.size()) == 0) && ::fsync(fd) == 0)
    return ::close(fd) == 0 ? FileStatus::Ok : StatusOfError(errno);
  const int error = errno;
  if (WriteAt(fd, kept, 0) && ::ftruncate(fd, old.st_size) == 0) ::fsync(fd);
  ::close(fd);
  return StatusOfError(error);
}

// Writes the new file beside the old one and renames it over it.
FileStatus WriteBeside(const QByteArray& target, const QByteArray& bytes, const struct stat* old) {
  QByteArray name;
  const int fd = CreateBeside(target, name);
  if (fd < 0) return old ? WriteInPlace(target, bytes) : StatusOfError(errno);
  bool written = WriteAt(fd, bytes, 0) && ::fsync(fd) == 0;
  int error = errno;
  if (written && old) {
    // Where the system refuses these, the picture is saved all the same.
    static_cast<void>(::fchown(fd, old->st_uid, old->st_gid));
    static_cast<void>(::fchmod(fd, old->st_mode & 07777));
  }
  if (::close(fd) != 0 && written) written = false, error = errno;
  if (written && ::rename(name.constData(), target.constData()) != 0)
    written = false, error = errno;
  if (written) return FileStatus::Ok;
  ::unlink(name.constData());
  return StatusOfError(error);
}

}  // namespace

FileStatus SaveWhole(const QString& path, const QByteArray& bytes) {
  const QByteArray target = TargetOf(path);
  struct stat old {};
  if (::stat(target.constData(), &old) != 0) {
    if (errno != ENOENT) return StatusOfError(errno);
    return WriteBeside(target, bytes, nullptr);
  }
  if (!S_ISREG(old.st_mode)) return FileStatus::NotAFile;
  // Replacing a file by renaming over it would go round its read-only mark.
  if (::access(target.constData(), W_OK) != 0) return StatusOfError(errno);
  return WriteBeside(target, bytes, &old);
}

}  // namespace tochkograf
