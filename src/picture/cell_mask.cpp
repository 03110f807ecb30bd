#include "picture/cell_mask.h"

#include <algorithm>
#include <bit>

namespace tochkograf {

CellRuns RunsOfCells(std::vector<QPoint> cells) {
  std::sort(cells.begin(), cells.end(),
            [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
  CellRuns runs;
  for (const QPoint cell : cells) {
    if (!runs.empty() && runs.back().y == cell.y() && cell.x() <= runs.back().last + 1)
      runs.back().last = std::max(runs.back().last, cell.x());
    else
      runs.push_back({cell.y(), cell.x(), cell.x()});
  }
  return runs;
}

void CellMask::Add(const CellRuns& runs, int width, int height) {
  for (const CellRun& run : runs) Add(run, width, height);
}

void CellMask::Add(const CellRun& run, int width, int height) {
  if (run.y < 1 || run.y > std::min(height, kMaxHeight)) return;
  const int first = std::max(run.first, 1), last = std::min(run.last, std::min(width, kMaxWidth));
  for (int x = first; x <= last; ++x) rows_[run.y][x / kBits] |= std::uint64_t{1} << (x % kBits);
}

// Set bits in a row of words become runs, a word's stretch of ones at a
// time, joined to the run before where they continue it.
void CellMask::AddRowRuns(const Row& row, int y, CellRuns& runs) {
  const std::size_t row_start = runs.size();
  for (int w = 0; w < kWords; ++w) {
    std::uint64_t bits = row[w];
    while (bits) {
      const int start = std::countr_zero(bits);
      const int length = std::countr_one(bits >> start);
      const int first = w * kBits + start, last = first + length - 1;
      if (runs.size() > row_start && runs.back().last + 1 == first)
        runs.back().last = last;
      else
        runs.push_back({y, first, last});
      bits = length + start >= kBits ? 0 : bits & ~(((std::uint64_t{1} << length) - 1) << start);
    }
  }
}

CellRuns CellMask::Runs() const {
  CellRuns runs;
  for (int y = 1; y <= kMaxHeight; ++y) AddRowRuns(rows_[y], y, runs);
  return runs;
}

CellRuns CellMask::Difference(const CellMask& other) const {
  CellRuns runs;
  for (int y = 1; y <= kMaxHeight; ++y) {
    Row row;
    for (int w = 0; w < kWords; ++w) row[w] = rows_[y][w] ^ other.rows_[y][w];
    AddRowRuns(row, y, runs);
  }
  return runs;
}

}  // namespace tochkograf
