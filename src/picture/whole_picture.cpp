#include "picture/whole_picture.h"

#include <utility>

namespace tochkograf {

namespace {

// Moves each cell (x, y) of the picture to where `to` says, all at once.
template <typename Place>
bool Rearrange(DocumentState& state, Place to) {
  const PixelGrid before = state.Pixels;
  bool changed = false;
  for (int y = 1; y <= state.MY; ++y)
    for (int x = 1; x <= state.MX; ++x) {
      const auto [to_x, to_y] = to(x, y);
      state.Pixels(to_x, to_y) = before(x, y);
      changed = changed || (before(x, y) != kOff) != (before(to_x, to_y) != kOff);
    }
  return changed;
}

}  // namespace

bool FlipLeftRight(DocumentState& state) {
  return Rearrange(state, [&](int x, int y) { return std::pair(state.MX + 1 - x, y); });
}

bool FlipTopBottom(DocumentState& state) {
  return Rearrange(state, [&](int x, int y) { return std::pair(x, state.MY + 1 - y); });
}

bool RotateHalfTurn(DocumentState& state) {
  return Rearrange(state,
                   [&](int x, int y) { return std::pair(state.MX + 1 - x, state.MY + 1 - y); });
}

bool Invert(DocumentState& state) {
  for (int y = 1; y <= state.MY; ++y)
    for (int x = 1; x <= state.MX; ++x) state.Pixels(x, y) = state.Pixels(x, y) ? kOff : kOn;
  return true;
}

}  // namespace tochkograf
