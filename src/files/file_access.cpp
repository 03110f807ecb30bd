#include "files/file_access.h"

#include <QDir>
#include <QFileInfo>

#include "files/read_head.h"
#include "files/safe_save.h"

namespace tochkograf {

namespace {

// Asked only after a failure, so a check here never stands in for the
// attempt itself.
FileStatus WhyNotRead(const QFileInfo& file) {
  if (!file.exists()) return FileStatus::Missing;
  if (!file.isFile()) return FileStatus::NotAFile;
  if (!file.isReadable()) return FileStatus::NoPermission;
  return FileStatus::Failed;
}

FileStatus WhyNotWritten(const QFileInfo& file) {
  const QFileInfo folder(file.absolutePath());
  if (!folder.isDir()) return FileStatus::Missing;
  if (file.exists() && !file.isFile()) return FileStatus::NotAFile;
  if ((file.exists() && !file.isWritable()) || !folder.isWritable())
    return FileStatus::NoPermission;
  return FileStatus::Failed;
}

}  // namespace

FileStatus ReadFileHead(const QString& name, qint64 limit, QByteArray& bytes) {
  const QFileInfo file(name);
  // A folder may open and read as nothing, and a pipe or a device would
  // keep the reader waiting: only plain files are read.
  if (file.exists() && !file.isFile()) return FileStatus::NotAFile;
  return ReadHead(name, limit, bytes) ? FileStatus::Ok : WhyNotRead(file);
}

FileStatus OpenFileToRead(const QString& name, QFile& file) {
  const QFileInfo info(name);
  if (info.exists() && !info.isFile()) return FileStatus::NotAFile;
  return OpenToRead(name, file) ? FileStatus::Ok : WhyNotRead(info);
}

FileStatus SaveWholeFile(const QString& name, const QByteArray& bytes) {
  return SaveWhole(name, bytes) ? FileStatus::Ok : WhyNotWritten(QFileInfo(name));
}

}  // namespace tochkograf
