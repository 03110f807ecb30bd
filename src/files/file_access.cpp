#include "files/file_access.h"

#include <sys/stat.h>
#include <unistd.h>

#include "files/read_head.h"
#include "files/safe_save.h"
#include "files/system_name.h"

namespace tochkograf {

namespace {

// What lies at a name, looked at by the bytes the system knows it by:
// Qt's QFileInfo would look at another name where they are not UTF-8.
struct Entry {
  explicit Entry(const QByteArray& path) : path(path), exists(::stat(path, &status) == 0) {}
  bool File() const { return exists && S_ISREG(status.st_mode); }
  bool Folder() const { return exists && S_ISDIR(status.st_mode); }
  bool May(int what) const { return ::access(path, what) == 0; }

  QByteArray path;
  struct stat status {};
  bool exists;
};

// The folder a name lies in, as the system names it.
QByteArray FolderOf(const QByteArray& path) {
  const qsizetype slash = path.lastIndexOf('/');
  return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// Asked only after a failure, so a check here never stands in for the
// attempt itself.
FileStatus WhyNotRead(const Entry& file) {
  if (!file.exists) return FileStatus::Missing;
  if (!file.File()) return FileStatus::NotAFile;
  if (!file.May(R_OK)) return FileStatus::NoPermission;
  return FileStatus::Failed;
}

FileStatus WhyNotWritten(const Entry& file) {
  const Entry folder(FolderOf(file.path));
  if (!folder.Folder()) return FileStatus::Missing;
  if (file.exists && !file.File()) return FileStatus::NotAFile;
  if ((file.exists && !file.May(W_OK)) || !folder.May(W_OK)) return FileStatus::NoPermission;
  return FileStatus::Failed;
}

}  // namespace

FileStatus ReadFileHead(const QString& name, qint64 limit, QByteArray& bytes) {
  const Entry file(SystemName(name));
  // A folder may open and read as nothing, and a pipe or a device would
  // keep the reader waiting: only plain files are read.
  if (file.exists && !file.File()) return FileStatus::NotAFile;
  return ReadHead(name, limit, bytes) ? FileStatus::Ok : WhyNotRead(file);
}

FileStatus OpenFileToRead(const QString& name, QFile& file) {
  const Entry entry(SystemName(name));
  if (entry.exists && !entry.File()) return FileStatus::NotAFile;
  return OpenToRead(name, file) ? FileStatus::Ok : WhyNotRead(entry);
}

FileStatus SaveWholeFile(const QString& name, const QByteArray& bytes) {
  return SaveWhole(name, bytes) ? FileStatus::Ok : WhyNotWritten(Entry(SystemName(name)));
}

}  // namespace tochkograf
