#pragma once

#include <QPoint>

#include "picture/cell_runs.h"
#include "picture/pixel_grid.h"

namespace tochkograf {

// The region a fill at cell `start` covers: every cell of columns 1..width
// and rows 1..height that shares the start cell's value (ink or paper) and
// is joined to it through such cells side by side, never only at a corner.
// Found a row's stretch at a time with a list of places still to look at,
// so no call nests deeper however large the region. Empty where `start` is
// outside the picture. Rows in no particular order.
CellRuns FillRegion(const PixelGrid& pixels, int width, int height, QPoint start);

}  // namespace tochkograf
