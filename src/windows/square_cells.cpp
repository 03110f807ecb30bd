#include "windows/square_cells.h"

#include <algorithm>
#include <cmath>

namespace tochkograf {

QSize SquareCellArea(QSize picture, QSize room, int narrowest, QSize largest) {
  const int columns = std::max(1, picture.width()), rows = std::max(1, picture.height());
  const double area = std::max(1, room.width()) * double(std::max(1, room.height()));
  const int as_before = static_cast<int>(std::lround(std::sqrt(area / (double(columns) * rows))));
  const int wide_enough = (narrowest + columns - 1) / columns;
  const int within = std::max(1, std::min(largest.width() / columns, largest.height() / rows));
  const int cell = std::clamp(std::max(as_before, wide_enough), 1, within);
  return QSize(std::max(cell * columns, narrowest), cell * rows);
}

}  // namespace tochkograf
