#include "files/read_head.h"

#include <QFile>

namespace tochkograf {

bool ReadHead(const QString& name, qint64 limit, QByteArray& bytes) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return false;
  bytes = file.read(limit);
  return file.error() == QFileDevice::NoError;
}

}  // namespace tochkograf
