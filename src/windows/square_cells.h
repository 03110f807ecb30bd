#pragma once

#include <QSize>

namespace tochkograf {

// The inner size of a drawing area that shows a picture of `picture`
// cells in square cells of whole pixels: about the room `room` gave, at
// least `narrowest` wide and no larger than `largest`. Square cells are
// not always possible: a picture too tall for the narrowest width within
// `largest` gets the narrowest width, and its cells are as tall as fit.
QSize SquareCellArea(QSize picture, QSize room, int narrowest, QSize largest);

}  // namespace tochkograf
