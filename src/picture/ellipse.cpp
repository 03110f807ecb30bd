#include "picture/ellipse.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tochkograf {

namespace {

// A step of the outline's upper left quarter, which runs from the top
// middle cell to the left middle cell: left, down, or both at once.
enum class Step : char { kLeft, kDown, kDiagonal };

// The quarter as steps through the cells nearest to the ideal ellipse
// through the centres of the box's outermost cells, each step to whichever
// of the three cells lies nearest to it (the ellipse's value there over the
// length of its gradient, the distance to the curve to first order).
std::vector<Step> NearestSteps(int width, int height) {
  const int m = (width - 1) / 2, n = (height - 1) / 2;
  const double cx = (width - 1) / 2.0, cy = (height - 1) / 2.0;
  const auto distance = [&](int i, int j) {
    const double u = (i - cx) / cx, v = (j - cy) / cy;
    const double gradient = std::hypot(u / cx, v / cy);
    const double value = u * u + v * v - 1;
    return gradient > 0 ? std::abs(value) / gradient : std::abs(value);
  };
  std::vector<Step> steps;
  int i = m, j = 0;
  while (i > 0 || j < n) {
    Step step = i == 0 ? Step::kDown : Step::kLeft;
    if (i > 0 && j < n) {
      const double left = distance(i - 1, j), down = distance(i, j + 1);
      const double diagonal = distance(i - 1, j + 1);
      step = diagonal <= left && diagonal <= down ? Step::kDiagonal
             : left <= down                       ? Step::kLeft
                                                  : Step::kDown;
    }
    steps.push_back(step);
    if (step != Step::kDown) --i;
    if (step != Step::kLeft) ++j;
  }
  return steps;
}

// One pass of the rules that keep the outline one cell wide where the
// quarters meet and within each: a step left next to a step down would
// double the cell between them, so the two become one diagonal step; the
// quarter must not begin by going down (two cells would stand side by side
// at the top, or one would stick out above the rest) nor end by going left
// (the same at the side), so its first diagonal step is brought forward to
// the start, or its last one back to the end. Says whether it changed
// anything.
bool KeepThin(std::vector<Step>& steps) {
  for (std::size_t k = 0; k + 1 < steps.size(); ++k) {
    if (steps[k] != Step::kDiagonal && steps[k + 1] != Step::kDiagonal &&
        steps[k] != steps[k + 1]) {
      steps[k] = Step::kDiagonal;
      steps.erase(steps.begin() + static_cast<std::ptrdiff_t>(k) + 1);
      return true;
    }
  }
  // Neither rule can undo the other for good: a diagonal step moved away
  // from between a step down and a step left leaves them side by side.
  if (!steps.empty() && steps.front() == Step::kDown) {
    const auto first = std::find(steps.begin(), steps.end(), Step::kDiagonal);
    if (first == steps.end()) return false;
    std::rotate(steps.begin(), first, first + 1);
    return true;
  }
  if (!steps.empty() && steps.back() == Step::kLeft) {
    const auto last = std::find(steps.rbegin(), steps.rend(), Step::kDiagonal);
    if (last == steps.rend()) return false;
    std::rotate(steps.rbegin(), last, last + 1);
    return true;
  }
  return false;
}

}  // namespace

// Each row's outline is one run on either side, mirrored from the upper
// left quarter: its leftmost cell and the cell nearest the middle.
CellRuns EllipseRuns(const QRect& box, bool filled) {
  const int width = box.width(), height = box.height();
  CellRuns runs;
  if (width <= 2 || height <= 2) {
    for (int y = box.top(); y <= box.bottom(); ++y) runs.push_back({y, box.left(), box.right()});
    return runs;
  }
  std::vector<Step> steps = NearestSteps(width, height);
  while (KeepThin(steps)) {
  }
  // For each row of the quarter, from the top: its leftmost and rightmost
  // cells, counted from the box's left.
  const int n = (height - 1) / 2;
  std::vector<int> left(n + 1), right(n + 1);
  int i = (width - 1) / 2, j = 0;
  left[0] = right[0] = i;
  for (const Step step : steps) {
    if (step != Step::kLeft) ++j, right[j] = step == Step::kDown ? i : i - 1;
    if (step != Step::kDown) --i;
    left[j] = i;
  }
  runs.reserve(2 * static_cast<std::size_t>(height));
  for (int row = 0; row < height; ++row) {
    const int q = std::min(row, height - 1 - row);
    const int y = box.top() + row;
    const int mirror = box.right() - right[q];
    if (filled || box.left() + right[q] + 1 >= mirror) {
      runs.push_back({y, box.left() + left[q], box.right() - left[q]});
    } else {
      runs.push_back({y, box.left() + left[q], box.left() + right[q]});
      runs.push_back({y, mirror, box.right() - left[q]});
    }
  }
  return runs;
}

}  // namespace tochkograf
