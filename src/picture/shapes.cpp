#include "picture/shapes.h"

#include <QRect>
#include <algorithm>
#include <cstdlib>

#include "picture/ellipse.h"
#include "picture/line.h"

namespace tochkograf {

namespace {

CellRuns RectangleRuns(const QRect& box, bool filled) {
  CellRuns runs;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    if (filled || y == box.top() || y == box.bottom() || box.width() <= 2) {
      runs.push_back({y, box.left(), box.right()});
    } else {
      runs.push_back({y, box.left(), box.left()});
      runs.push_back({y, box.right(), box.right()});
    }
  }
  return runs;
}

}  // namespace

CellRuns ShapeRuns(Shape shape, QPoint from, QPoint to) {
  const QRect box(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                  QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
  switch (shape) {
    case Shape::kLine:
      return RunsOfCells(LineCells(from, to));
    case Shape::kRectangle:
      return RectangleRuns(box, false);
    case Shape::kFilledRectangle:
      return RectangleRuns(box, true);
    case Shape::kEllipse:
      return EllipseRuns(box, false);
    case Shape::kFilledEllipse:
      return EllipseRuns(box, true);
  }
  return {};
}

QPoint ConstrainedEnd(Shape shape, QPoint from, QPoint to) {
  if (shape == Shape::kLine) return StraightenedEnd(from, to);
  const QPoint d = to - from;
  const int side = std::max(std::abs(d.x()), std::abs(d.y()));
  return from + QPoint(d.x() < 0 ? -side : side, d.y() < 0 ? -side : side);
}

}  // namespace tochkograf
