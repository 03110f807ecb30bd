#pragma once

#include <array>
#include <cstdint>

#include "picture/cell_runs.h"
#include "picture/pixel_grid.h"

namespace tochkograf {

// A set of cells of the block 1..128 x 1..96, a bit each: what a shape
// covers of the picture while it is dragged, compared from one mouse move
// to the next by whole words.
class CellMask {
 public:
  bool Has(int x, int y) const {
    return x >= 1 && x <= kMaxWidth && y >= 1 && y <= kMaxHeight &&
           (rows_[y][x / kBits] >> (x % kBits) & 1);
  }
  bool Empty() const { return *this == CellMask(); }

  // Adds the cells of `runs` that lie within columns 1..width and rows
  // 1..height: the picture's own cells, never the hidden ones beyond it.
  void Add(const CellRuns& runs, int width, int height);
  void Add(const CellRun& run, int width, int height);
  // The cells as runs, rows from the top.
  CellRuns Runs() const;
  // The cells in one of the two masks but not in both.
  CellRuns Difference(const CellMask& other) const;

  bool operator==(const CellMask&) const = default;

 private:
  static constexpr int kBits = 64;
  static constexpr int kWords = (kMaxWidth + kBits) / kBits;  // columns 0..128
  using Row = std::array<std::uint64_t, kWords>;
  static void AddRowRuns(const Row& row, int y, CellRuns& runs);

  std::array<Row, kMaxHeight + 1> rows_{};
};

// What a shape being dragged shows over the picture: its cells, in the
// colour the button draws.
struct ShapePreview {
  CellMask cells;
  Flag value = kOn;
};

}  // namespace tochkograf
