#pragma once

#include <QRandomGenerator>

#include "picture/document_state.h"
#include "picture/picture.h"

namespace tochkograf {

// A document as the main window starts it: 32 x 32, untitled, grid on, its
// undo snapshot the empty picture of the same size.
inline DocumentState StartedDocument(int width = 32, int height = 32) {
  DocumentState state;
  state.FileName = kUntitled;
  state.MX = width;
  state.MY = height;
  state.GridOn = kOn;
  state.Undo.MX = width;
  state.Undo.MY = height;
  return state;
}

// Every cell of the grid, column 0 and row 0 included, set at random.
inline void FillRandom(PixelGrid& grid, quint32 seed) {
  QRandomGenerator random(seed);
  for (int y = 0; y < PixelGrid::kRows; ++y)
    for (int x = 0; x < PixelGrid::kColumns; ++x) grid(x, y) = random.bounded(2) ? kOn : kOff;
}

// A picture of the given size with its cells set at random (those beyond
// its size too).
inline Picture RandomPicture(int width, int height, quint32 seed) {
  Picture picture{width, height, {}};
  FillRandom(picture.cells, seed);
  return picture;
}

inline int CountOn(const PixelGrid& grid) {
  int count = 0;
  for (int y = 0; y < PixelGrid::kRows; ++y)
    for (int x = 0; x < PixelGrid::kColumns; ++x) count += grid(x, y) != kOff;
  return count;
}

}  // namespace tochkograf
