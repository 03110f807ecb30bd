#include "picture/flood_fill.h"

#include <vector>

#include "picture/cell_mask.h"

namespace tochkograf {

CellRuns FillRegion(const PixelGrid& pixels, int width, int height, QPoint start) {
  CellRuns region;
  if (start.x() < 1 || start.x() > width || start.y() < 1 || start.y() > height) return region;
  const bool ink = pixels(start.x(), start.y()) != kOff;
  CellMask done;
  const auto joins = [&](int x, int y) { return (pixels(x, y) != kOff) == ink && !done.Has(x, y); };
  // Each place is a cell of the region whose stretch is yet to be found; a
  // stretch pushes one place for each piece of the rows above and below it
  // that joins it, so the list never holds more than a few per cell.
  std::vector<QPoint> places{start};
  while (!places.empty()) {
    const QPoint place = places.back();
    places.pop_back();
    const int y = place.y();
    if (!joins(place.x(), y)) continue;
    int first = place.x(), last = place.x();
    while (first > 1 && joins(first - 1, y)) --first;
    while (last < width && joins(last + 1, y)) ++last;
    region.push_back({y, first, last});
    done.Add(region.back(), width, height);
    for (const int row : {y - 1, y + 1}) {
      if (row < 1 || row > height) continue;
      for (int x = first; x <= last; ++x)
        if (joins(x, row) && (x == first || !joins(x - 1, row))) places.push_back({x, row});
    }
  }
  return region;
}

}  // namespace tochkograf
