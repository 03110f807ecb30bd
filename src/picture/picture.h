#pragma once

#include "picture/pixel_grid.h"

namespace tochkograf {

// A picture on its own, as file formats carry it: its size and its cells
// (columns 1..width, rows 1..height, row 1 at the top). Cells beyond the
// size are no part of it.
struct Picture {
  int width = 0, height = 0;
  PixelGrid cells;

  bool operator==(const Picture& other) const {
    if (width != other.width || height != other.height) return false;
    for (int y = 1; y <= height; ++y)
      for (int x = 1; x <= width; ++x)
        if ((cells(x, y) != kOff) != (other.cells(x, y) != kOff)) return false;
    return true;
  }
};

// Whether a size is one the editor can hold.
constexpr bool FitsEditor(int width, int height) {
  return width >= 1 && width <= kMaxWidth && height >= 1 && height <= kMaxHeight;
}

}  // namespace tochkograf
