#include "windows/artwork.h"

namespace tochkograf {

// The pictures come from tools/artwork, which draws them; see its README.

QPixmap SplashLogo(qreal device_pixel_ratio) {
  if (device_pixel_ratio < 1.5) return QPixmap(QStringLiteral(":/art/logo.png"));
  QPixmap doubled(QStringLiteral(":/art/logo@2x.png"));
  doubled.setDevicePixelRatio(2);
  return doubled;
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/art/icons/%1/tochkograf.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace tochkograf
