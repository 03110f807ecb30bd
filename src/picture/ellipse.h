#pragma once

#include <QRect>

#include "picture/cell_runs.h"

namespace tochkograf {

// The ellipse inscribed in the cells of `box`: it touches all four sides of
// the box, its outline is one cell wide and closed (each cell meets the next
// at a side or a corner, and no cell could go without opening it or leaving
// a side of the box untouched), and it is symmetric about both middle lines
// of the box, for even and odd sizes alike. A box one cell wide or high
// gives a line, and one two cells wide or high a pair of lines. Filled: the
// outline and every cell inside it. Rows from the top.
CellRuns EllipseRuns(const QRect& box, bool filled);

}  // namespace tochkograf
