#pragma once

#include <QImage>
#include <QPoint>

class QPainter;

namespace tochkograf {

// The image a painter writes straight into, when it is made of 32-bit pixels
// and reached with no more than a whole-pixel shift, as a window's raster
// backing store is, and the painter lays opaque pixels down unchanged; null
// otherwise. `offset` receives that shift, from the
// painter's coordinates to the image's. Pixels written there need no painter
// call and no picture of their own to be copied from.
QImage* DirectTarget(QPainter& painter, QPoint* offset);

}  // namespace tochkograf
