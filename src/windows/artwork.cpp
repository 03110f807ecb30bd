#include "windows/artwork.h"

#include <QDir>
#include <QImageReader>
#include <algorithm>
#include <vector>

namespace tochkograf {

QPixmap LoadPng(const QString& path) {
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

// The pictures come from tools/artwork, which draws them; see its README.

QPixmap SplashLogo(qreal device_pixel_ratio) {
  if (device_pixel_ratio < 1.5) return LoadPng(QStringLiteral(":/art/logo.png"));
  QPixmap doubled = LoadPng(QStringLiteral(":/art/logo@2x.png"));
  doubled.setDevicePixelRatio(2);
  return doubled;
}

// The window system is handed every size a window icon has, as one block of
// pixels per window, so the build gives the program only the sizes drawn
// beside titles and in task lists (TOCHKOGRAF_WINDOW_ICON_SIZES); the icon
// takes whichever it finds. Launchers and switchers that want larger ones
// find them in the icon theme, where they are installed under the desktop
// entry's name.
QIcon AppIcon() {
  const QDir folder(QStringLiteral(":/art/icons"));
  std::vector<int> sizes;
  for (const QString& name : folder.entryList(QDir::Dirs)) sizes.push_back(name.toInt());
  std::sort(sizes.begin(), sizes.end());
  QIcon icon;
  for (const int size : sizes)
    icon.addPixmap(LoadPng(folder.filePath(QStringLiteral("%1/tochkograf.png").arg(size))));
  return icon;
}

}  // namespace tochkograf
