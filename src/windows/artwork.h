#pragma once

#include <QIcon>
#include <QPixmap>

namespace tochkograf {

// Reads a PNG picture, null when there is none. Naming the format spares
// Qt's probing of every image format plugin, which loads each of them.
QPixmap LoadPng(const QString& path);

// The splash logo, 500 x 230 device-independent pixels, in 256 colours. On
// screens of twice the density or more it comes drawn at twice the size.
QPixmap SplashLogo(qreal device_pixel_ratio);

// The program's icon, drawn for each size so that none is scaled.
QIcon AppIcon();

}  // namespace tochkograf
