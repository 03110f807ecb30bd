#pragma once

#include <QPoint>
#include <vector>

namespace tochkograf {

// Cells first..last of row y, numbered as the picture's cells are (1-based),
// though a run may lie partly or wholly beyond the picture: shapes follow
// the mouse outside it, and are clipped only where they are drawn.
struct CellRun {
  int y = 0, first = 0, last = 0;
  bool operator==(const CellRun&) const = default;
};
using CellRuns = std::vector<CellRun>;

// The runs of a set of cells given one by one, in any order and with
// repeats: each row's cells joined where they touch, rows from the top.
CellRuns RunsOfCells(std::vector<QPoint> cells);

}  // namespace tochkograf
