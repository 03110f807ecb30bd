#pragma once

#include <QPoint>
#include <cstdint>

#include "picture/cell_runs.h"

namespace tochkograf {

// The shapes a drag of the mouse draws, each from the cell where the button
// went down to the cell under the mouse.
enum class Shape : std::uint8_t {
  kLine,
  kRectangle,
  kFilledRectangle,
  kEllipse,
  kFilledEllipse,
};

// The cells of `shape` from cell `from` to cell `to`, either of which may
// lie beyond the picture; the rectangles and ellipses fill or outline the
// box whose opposite corners are the two cells. Rows from the top.
CellRuns ShapeRuns(Shape shape, QPoint from, QPoint to);

// Where `to` goes while Shift is held: a line keeps to the nearest of the
// horizontal, the vertical and the diagonals; a rectangle becomes a square
// and an ellipse a circle, on the side of `from` that `to` is on, as large
// as the box's longer side.
QPoint ConstrainedEnd(Shape shape, QPoint from, QPoint to);

}  // namespace tochkograf
