#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QtTest>
#include <algorithm>

namespace tochkograf {

// Files under names as the system holds them, bytes that need not be UTF-8,
// which Qt's own file classes would take for other names.

// Writes a test's own file; a failure fails the calling test.
inline void StoreAt(const QByteArray& path, const QByteArray& bytes) {
  const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  QVERIFY(fd >= 0);
  QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
  ::close(fd);
}

inline QByteArray ContentsAt(const QByteArray& path) {
  QFile file;
  const int fd = ::open(path.constData(), O_RDONLY);
  if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
    return "<unreadable>";
  return file.readAll();
}

// The names in a folder, sorted.
inline QList<QByteArray> NamesAt(const QByteArray& folder) {
  QList<QByteArray> names;
  if (DIR* dir = ::opendir(folder.constData())) {
    while (const dirent* entry = ::readdir(dir))
      if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
        names << entry->d_name;
    ::closedir(dir);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Removes a test's folder with everything in it when it goes: QTemporaryDir
// would look for such files under other names and leave them.
inline auto RemovedAtEnd(const QString& folder) {
  return qScopeGuard([folder] { QProcess::execute("rm", {"-rf", folder}); });
}

}  // namespace tochkograf
