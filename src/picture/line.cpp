#include "picture/line.h"

#include <cstdint>
#include <cstdlib>

namespace tochkograf {

namespace {

// floor(numerator / denominator) for a positive denominator.
std::int64_t FloorDivide(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t quotient = numerator / denominator;
  return quotient * denominator > numerator ? quotient - 1 : quotient;
}

// The offset across the line at `along` steps from its start, for a line
// that goes `run` steps along and `rise` across: the ideal offset
// rise * along / run rounded half up, worked out exactly, so that the same
// point of the line gives the same cell from either end.
int Across(std::int64_t along, std::int64_t run, std::int64_t rise) {
  if (run < 0) run = -run, rise = -rise;
  return static_cast<int>(FloorDivide(2 * rise * along + run, 2 * run));
}

}  // namespace

std::vector<QPoint> LineCells(QPoint from, QPoint to) {
  const int dx = to.x() - from.x(), dy = to.y() - from.y();
  const int steps = std::max(std::abs(dx), std::abs(dy));
  std::vector<QPoint> cells;
  cells.reserve(steps + 1);
  cells.push_back(from);
  const int step_x = dx < 0 ? -1 : 1, step_y = dy < 0 ? -1 : 1;
  for (int i = 1; i <= steps; ++i) {
    if (std::abs(dx) >= std::abs(dy)) {
      const int along = i * step_x;
      cells.push_back(from + QPoint(along, Across(along, dx, dy)));
    } else {
      const int along = i * step_y;
      cells.push_back(from + QPoint(Across(along, dy, dx), along));
    }
  }
  return cells;
}

// Nearer the diagonal than the axis when the angle from the axis is over
// 22.5 degrees: minor / major > tan 22.5 = sqrt 2 - 1, that is
// (major + minor)^2 > 2 major^2, in whole numbers.
QPoint StraightenedEnd(QPoint from, QPoint to) {
  const std::int64_t dx = to.x() - from.x(), dy = to.y() - from.y();
  const std::int64_t major = std::max(std::abs(dx), std::abs(dy));
  const std::int64_t minor = std::min(std::abs(dx), std::abs(dy));
  if ((major + minor) * (major + minor) <= 2 * major * major)
    return std::abs(dx) >= std::abs(dy) ? QPoint(to.x(), from.y()) : QPoint(from.x(), to.y());
  // The diagonal cell nearest to `to`: the mean of the two distances.
  const int length = static_cast<int>((std::abs(dx) + std::abs(dy) + 1) / 2);
  return from + QPoint(dx < 0 ? -length : length, dy < 0 ? -length : length);
}

}  // namespace tochkograf
