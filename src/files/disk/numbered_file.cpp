#include "files/disk/numbered_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/disk/system_name.h"

namespace tochkograf {

namespace {

// Writes the whole of `bytes`; false, with errno set, where it cannot.
bool WriteAll(int fd, const QByteArray& bytes) {
  for (qsizetype done = 0; done < bytes.size();) {
    const ssize_t written = ::write(fd, bytes.constData() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

FileStatus MakeFolder(const QString& path) {
  QByteArray name = SystemName(path);
  while (name.size() > 1 && name.endsWith('/')) name.chop(1);
  struct stat entry {};
  if (::stat(name.constData(), &entry) == 0)
    return S_ISDIR(entry.st_mode) ? FileStatus::Ok : FileStatus::NotAFile;
  if (errno != ENOENT) return StatusOfError(errno);
  // The folder it is in first.
  if (const qsizetype slash = name.lastIndexOf('/'); slash > 0)
    if (const FileStatus status = MakeFolder(NameFromSystem(name.left(slash)));
        status != FileStatus::Ok)
      return status;
  if (::mkdir(name.constData(), 0777) != 0 && errno != EEXIST) return StatusOfError(errno);
  return FileStatus::Ok;
}

FileStatus SaveNumbered(const QString& folder, const QString& stem, const QString& extension,
                        const QByteArray& bytes, int& number, QString& name) {
  const QString start = folder.endsWith(u'/') ? folder : folder + u'/';
  for (;; ++number) {
    const QString candidate =
        QStringLiteral("%1%2-%3%4").arg(start, stem).arg(number).arg(extension);
    const QByteArray path = SystemName(candidate);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return StatusOfError(errno);
    const bool written = WriteAll(fd, bytes);
    const int error = errno;
    if (::close(fd) != 0 || !written) {
      const FileStatus status = StatusOfError(written ? errno : error);
      ::unlink(path.constData());
      return status;
    }
    name = candidate;
    ++number;
    return FileStatus::Ok;
  }
}

}  // namespace tochkograf
