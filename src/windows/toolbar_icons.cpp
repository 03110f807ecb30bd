#include "windows/toolbar_icons.h"

#include <QGuiApplication>
#include <QPixmap>
#include <array>

#include "windows/icons/editcopy.xpm"
#include "windows/icons/editcut.xpm"
#include "windows/icons/editpaste.xpm"
#include "windows/icons/filenew.xpm"
#include "windows/icons/fileopen.xpm"
#include "windows/icons/filesave.xpm"
#include "windows/icons/size.xpm"

namespace tochkograf {

QIcon ToolbarIcon(int index) {
  static const std::array<const char* const*, 7> kPictures = {
      filenew_xpm, fileopen_xpm, filesave_xpm, editcut_xpm,
      editcopy_xpm, editpaste_xpm, size_xpm};
  if (index < 0 || index >= static_cast<int>(kPictures.size())) return {};
  const QPixmap picture(kPictures[index]);
  QIcon icon(picture);
  // Only a screen of twice the density or more needs the doubled picture.
  if (qApp->devicePixelRatio() >= 1.5) {
    QPixmap doubled = picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio,
                                     Qt::FastTransformation);
    doubled.setDevicePixelRatio(2);
    icon.addPixmap(doubled);
  }
  return icon;
}

}  // namespace tochkograf
