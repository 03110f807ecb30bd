#include "files/disk/read_head.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "files/disk/system_name.h"

namespace tochkograf {

namespace {

// Opening a FIFO for reading waits for a writer, and a device may never
// answer: only regular files are read. The file is opened without waiting
// and looked at before anything is read from it.
int OpenRegularFile(const QString& name) {
  const int fd = ::open(SystemName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

bool ReadHead(const QString& name, qint64 limit, QByteArray& bytes) {
  QFile file;
  if (!OpenToRead(name, file)) return false;
  bytes = file.read(limit);
  return file.error() == QFileDevice::NoError;
}

bool OpenToRead(const QString& name, QFile& file) {
  const int fd = OpenRegularFile(name);
  if (fd < 0) return false;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return false;
  }
  return true;
}

}  // namespace tochkograf
