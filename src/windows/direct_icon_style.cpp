#include "windows/direct_icon_style.h"

#include <QApplication>
#include <QStyleOption>
#include <initializer_list>

#include "windows/artwork.h"

namespace tochkograf {

namespace {

// Qt's picture `stem` in each of `sizes`; null if any is missing, as it
// would be should a later Qt move or rename them.
QIcon QtPictures(const QString& stem, std::initializer_list<int> sizes) {
  QIcon icon;
  for (int size : sizes) {
    const QPixmap picture = LoadPng(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png").arg(stem).arg(size));
    if (picture.isNull()) return {};
    icon.addPixmap(picture);
  }
  return icon;
}

}  // namespace

QIcon DirectIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                    const QWidget* widget) const {
  QIcon direct;
  // The direction the style itself goes by: the option's, else the program's.
  const bool right_to_left =
      option ? option->direction == Qt::RightToLeft : QApplication::isRightToLeft();
  if (icon == SP_ToolBarHorizontalExtensionButton)
    direct = QtPictures(right_to_left ? QStringLiteral("toolbar-ext-h-rtl")
                                      : QStringLiteral("toolbar-ext-h"),
                        {8, 16, 32});
  else if (icon == SP_ToolBarVerticalExtensionButton)
    direct = QtPictures(QStringLiteral("toolbar-ext-v"), {5, 10, 20});
  return direct.isNull() ? QProxyStyle::standardIcon(icon, option, widget) : direct;
}

}  // namespace tochkograf
