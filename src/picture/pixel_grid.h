#pragma once

#include <QtGlobal>
#include <array>
#include <cstdint>

namespace tochkograf {

// A flag holds 0 for false and -1 for true; readers treat any non-zero value
// as true. Flags are toggled by bitwise complement.
using Flag = std::int16_t;
constexpr Flag kOff = 0;
constexpr Flag kOn = -1;

// The largest picture; columns run 1..kMaxWidth and rows 1..kMaxHeight.
constexpr int kMaxWidth = 128;
constexpr int kMaxHeight = 96;

// A fixed matrix of pixel flags, column 0..128 by row 0..96. Column 0 and row
// 0 are never part of a picture. Cells outside the current picture size keep
// their values, so a picture made smaller and then larger again gets them back.
class PixelGrid {
 public:
  static constexpr int kColumns = kMaxWidth + 1;
  static constexpr int kRows = kMaxHeight + 1;

  // The column index varies fastest: (x, y) sits at y * 129 + x. A cell
  // outside the grid stops a debug build (a sanitizer build too) at once,
  // where it would otherwise read or write a neighbouring row's cell.
  Flag& operator()(int x, int y) {
    Q_ASSERT(Holds(x, y));
    return cells_[y * kColumns + x];
  }
  Flag operator()(int x, int y) const {
    Q_ASSERT(Holds(x, y));
    return cells_[y * kColumns + x];
  }

  static constexpr bool Holds(int x, int y) {
    return x >= 0 && x < kColumns && y >= 0 && y < kRows;
  }

  bool operator==(const PixelGrid&) const = default;

 private:
  std::array<Flag, kColumns * kRows> cells_{};
};

// Whether two grids agree on every cell of the block 1..128 x 1..96 that
// undo and the clipboard work on; column 0 and row 0 are not compared.
inline bool SameBlock(const PixelGrid& a, const PixelGrid& b) {
  for (int y = 1; y <= kMaxHeight; ++y)
    for (int x = 1; x <= kMaxWidth; ++x)
      if (a(x, y) != b(x, y)) return false;
  return true;
}

}  // namespace tochkograf
