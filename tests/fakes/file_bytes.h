#pragma once

#include <QByteArray>
#include <QFile>
#include <QtTest>

namespace tochkograf {

// What a file holds now; a mark that no file holds when it cannot be read.
inline QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Writes a test's own file; a failure fails the calling test.
inline void Store(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace tochkograf
