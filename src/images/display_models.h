#pragma once

#include <QRgb>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <vector>

namespace tochkograf {

// A screen a picture is shown on: a display module for a microcontroller or
// a phone's. Its pixels sit on a grid of `pitch_mm`, each lit over `fill` of
// its pitch both ways, the rest of the pitch the gap between pixels.
struct DisplayModel {
  QString caption;
  QSize pixels;       // columns x rows
  QSizeF pitch_mm;    // from one pixel's centre to the next, across and down
  double fill = 1;    // 0..1
  QRgb paper = 0;     // the panel, an unlit pixel and the gaps
  QRgb ink = 0;       // a lit pixel
  int band_rows = 0;  // rows from the top whose lit pixels are `band_ink`
  QRgb band_ink = 0;
};

// Every screen the window "Как на дисплее" offers, in its order.
const std::vector<DisplayModel>& DisplayModels();

}  // namespace tochkograf
