#include "windows/main/toolbar_icons.h"

#include <QGuiApplication>
#include <QPixmap>

namespace tochkograf {

QIcon ToolbarIcon(const char* const* picture) {
  const QPixmap pixmap(picture);
  QIcon icon(pixmap);
  // Only a screen of twice the density or more needs the doubled picture.
  if (qApp->devicePixelRatio() >= 1.5) {
    QPixmap doubled =
        pixmap.scaled(pixmap.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    doubled.setDevicePixelRatio(2);
    icon.addPixmap(doubled);
  }
  return icon;
}

}  // namespace tochkograf
