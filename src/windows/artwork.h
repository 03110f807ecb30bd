#pragma once

#include <QIcon>
#include <QPixmap>

namespace tochkograf {

// The splash logo, 500 x 230 device-independent pixels, in 256 colours. On
// screens of twice the density or more it comes drawn at twice the size.
QPixmap SplashLogo(qreal device_pixel_ratio);

// The program's icon, drawn for each size so that none is scaled.
QIcon AppIcon();

}  // namespace tochkograf
