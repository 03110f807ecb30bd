#include "windows/main/square_cells.h"

#include <algorithm>
#include <cmath>

namespace tochkograf {

QSize SquareCellArea(QSize picture, QSize room, QSize smallest, QSize largest) {
  const int columns = std::max(1, picture.width()), rows = std::max(1, picture.height());
  const double area = std::max(1, room.width()) * double(std::max(1, room.height()));
  const int as_before = static_cast<int>(std::lround(std::sqrt(area / (double(columns) * rows))));
  const int large_enough =
      std::max((smallest.width() + columns - 1) / columns, (smallest.height() + rows - 1) / rows);
  const int within = std::max(1, std::min(largest.width() / columns, largest.height() / rows));
  const int cell = std::clamp(std::max(as_before, large_enough), 1, within);
  return QSize(cell * columns, cell * rows).expandedTo(smallest);
}

QRect SquareCellPlace(QSize picture, const QRect& room, QSize frame) {
  const int columns = std::max(1, picture.width()), rows = std::max(1, picture.height());
  const QSize inside = (room.size() - frame).expandedTo(QSize(0, 0));
  double cell = std::min(double(inside.width()) / columns, double(inside.height()) / rows);
  if (cell >= 1) cell = std::floor(cell);
  const QSize inner(std::max(1, static_cast<int>(cell * columns)),
                    std::max(1, static_cast<int>(cell * rows)));
  const QSize size = inner + frame;
  return QRect(room.left() + (room.width() - size.width()) / 2,
               room.top() + (room.height() - size.height()) / 2, size.width(), size.height());
}

}  // namespace tochkograf
