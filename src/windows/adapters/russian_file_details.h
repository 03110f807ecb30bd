#pragma once

#include <QIdentityProxyModel>
#include <QString>

namespace tochkograf {

// The file dialog's list with its size and date columns in Russian. Qt's
// file list writes them in the system's locale, which may be English even
// where everything else the dialog shows is Russian.
class RussianFileDetails : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

// A file size as a Russian file list shows it: "512 байт", "1,19 КБ",
// "24,5 МБ".
QString RussianFileSize(qint64 bytes);

}  // namespace tochkograf
