#include "windows/adapters/russian_file_details.h"

#include <QDateTime>
#include <QFileSystemModel>
#include <QLocale>
#include <array>

namespace tochkograf {

namespace {

// The columns of Qt's file list.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

const QLocale& Russian() {
  static const QLocale russian(QLocale::Russian, QLocale::Russia);
  return russian;
}

}  // namespace

QString RussianFileSize(qint64 bytes) {
  if (bytes < 1024) return QStringLiteral("%1 байт").arg(Russian().toString(bytes));
  static const std::array<QString, 4> kUnits = {QStringLiteral("КБ"), QStringLiteral("МБ"),
                                                QStringLiteral("ГБ"), QStringLiteral("ТБ")};
  double value = bytes / 1024.0;
  std::size_t unit = 0;
  while (value >= 1024 && unit + 1 < kUnits.size()) value /= 1024, ++unit;
  // Three figures at most, as file lists show them.
  const int decimals = value < 10 ? 2 : value < 100 ? 1 : 0;
  return QStringLiteral("%1 %2").arg(Russian().toString(value, 'f', decimals), kUnits[unit]);
}

QVariant RussianFileDetails::data(const QModelIndex& index, int role) const {
  const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
  if (!files || role != Qt::DisplayRole ||
      (index.column() != kSizeColumn && index.column() != kDateColumn))
    return QIdentityProxyModel::data(index, role);
  const QModelIndex source = mapToSource(index);
  if (index.column() == kDateColumn)
    return Russian().toString(files->lastModified(source), QLocale::ShortFormat);
  // Folders show no size, as in Qt's own list.
  return files->isDir(source) ? QString() : RussianFileSize(files->size(source));
}

}  // namespace tochkograf
