#pragma once

#include <QPoint>
#include <vector>

namespace tochkograf {

// The cells of a line from cell `from` to cell `to`, both included, in
// order from `from`: one cell per step along the longer axis, each the
// cell nearest to the ideal line between the two cells' centres. Where the
// ideal line passes exactly half-way between two cells the lower (or, for a
// steep line, the right) one is taken, a rule of the line alone, so a line
// drawn from either end covers the same cells.
std::vector<QPoint> LineCells(QPoint from, QPoint to);

// The end of a line held to the nearest of the horizontal, the vertical and
// the two diagonals through `from`, as Shift holds it: the cell of that
// direction nearest to `to`.
QPoint StraightenedEnd(QPoint from, QPoint to);

}  // namespace tochkograf
