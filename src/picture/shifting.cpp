#include "picture/shifting.h"

namespace tochkograf {

namespace {

// Runs a shift and tells whether it moved anything.
template <typename Move>
bool Shift(DocumentState& s, Move move) {
  const PixelGrid before = s.Pixels;
  move(s.MX, s.MY);
  return !(s.Pixels == before);
}

}  // namespace

// Each shift holds the leaving line in ShiftLine, moves the rest one step
// (reading every cell before it is overwritten), then writes the held line
// back on the far side.

bool ShiftUp(DocumentState& s) {
  return Shift(s, [&s](const int W, const int H) {
    for (int x = 1; x <= W; ++x) s.ShiftLine[x] = s.Pixels(x, 1);
    for (int y = 1; y <= H - 1; ++y)
      for (int x = 1; x <= W; ++x) s.Pixels(x, y) = s.Pixels(x, y + 1);
    for (int x = 1; x <= W; ++x) s.Pixels(x, H) = s.ShiftLine[x];
  });
}

bool ShiftDown(DocumentState& s) {
  return Shift(s, [&s](const int W, const int H) {
    for (int x = 1; x <= W; ++x) s.ShiftLine[x] = s.Pixels(x, H);
    for (int y = H; y >= 2; --y)
      for (int x = 1; x <= W; ++x) s.Pixels(x, y) = s.Pixels(x, y - 1);
    for (int x = 1; x <= W; ++x) s.Pixels(x, 1) = s.ShiftLine[x];
  });
}

bool ShiftLeft(DocumentState& s) {
  return Shift(s, [&s](const int W, const int H) {
    for (int y = 1; y <= H; ++y) s.ShiftLine[y] = s.Pixels(1, y);
    for (int x = 1; x <= W - 1; ++x)
      for (int y = 1; y <= H; ++y) s.Pixels(x, y) = s.Pixels(x + 1, y);
    for (int y = 1; y <= H; ++y) s.Pixels(W, y) = s.ShiftLine[y];
  });
}

bool ShiftRight(DocumentState& s) {
  return Shift(s, [&s](const int W, const int H) {
    for (int y = 1; y <= H; ++y) s.ShiftLine[y] = s.Pixels(W, y);
    for (int x = W; x >= 2; --x)
      for (int y = 1; y <= H; ++y) s.Pixels(x, y) = s.Pixels(x - 1, y);
    for (int y = 1; y <= H; ++y) s.Pixels(1, y) = s.ShiftLine[y];
  });
}

}  // namespace tochkograf
