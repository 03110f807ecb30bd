#pragma once

#include <QRect>
#include <QSize>

namespace tochkograf {

// The inner size of a drawing area that shows a picture of `picture`
// cells in square cells of whole pixels: about the room `room` gave, at
// least `smallest` and no larger than `largest`. Where `largest` does not
// hold cells that large, the size is `smallest` in that direction, and
// the cells are as large as fit.
QSize SquareCellArea(QSize picture, QSize room, QSize smallest, QSize largest);

// Where a drawing area whose frame takes `frame` from its size shows a
// picture of `picture` cells in square cells as large as `room` holds, of
// whole pixels (unless the room is too small even for cells of one pixel,
// when they are fractions of one as large as fit): centred in the room.
QRect SquareCellPlace(QSize picture, const QRect& room, QSize frame);

}  // namespace tochkograf
