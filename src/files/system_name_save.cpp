#include "files/system_name_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <cerrno>

#include "files/system_name.h"

namespace tochkograf {

namespace {

// An open folder or file, closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes it now; whether everything written reached the file.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const QByteArray& bytes) {
  for (qsizetype done = 0; done < bytes.size();) {
    const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += written;
  }
  return true;
}

// Creates a file of a new name of the program's own in `folder`; its name
// goes to `name`. Short, so that it fits wherever the name asked for does.
int CreateStandIn(int folder, QByteArray& name) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    name = ".tochkograf-" + QByteArray::number(QRandomGenerator::global()->generate(), 16);
    const int fd = ::openat(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

bool SaveUnderSystemName(const QString& path, const QByteArray& bytes) {
  const QByteArray target = SystemName(path);
  const qsizetype slash = target.lastIndexOf('/');
  const QByteArray folder_name = slash < 0    ? QByteArray(".")
                                 : slash == 0 ? QByteArray("/")
                                              : target.left(slash);
  const QByteArray name = target.mid(slash + 1);
  const Descriptor folder(::open(folder_name, O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() < 0 || name.isEmpty()) return false;
  struct stat old {};
  const bool exists = ::fstatat(folder.get(), name, &old, 0) == 0;
  // Renaming over a file would go round its read-only mark.
  if (exists && (!S_ISREG(old.st_mode) || ::faccessat(folder.get(), name, W_OK, 0) != 0))
    return false;
  QByteArray stand_in;
  Descriptor file(CreateStandIn(folder.get(), stand_in));
  if (file.get() < 0) return false;
  bool written = WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0 &&
                 (!exists || ::fchmod(file.get(), old.st_mode & 0777) == 0);
  written = file.Close() && written;
  if (written && ::renameat(folder.get(), stand_in, folder.get(), name) == 0) return true;
  ::unlinkat(folder.get(), stand_in, 0);
  return false;
}

}  // namespace tochkograf
