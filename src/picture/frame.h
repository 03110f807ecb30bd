#pragma once

#include <array>
#include <cstdint>

#include "picture/pixel_grid.h"

namespace tochkograf {

// An animation holds 1..kMaxFrames frames, all of the picture's size, each
// shown for its duration in milliseconds.
constexpr int kMaxFrames = 64;
constexpr int kShortestFrame = 100;
constexpr int kLongestFrame = 10000;
constexpr int kNewFrameDuration = 500;

// The cells of the block 1..128 x 1..96 at one bit each: how the frames
// that are not being drawn on are kept, so that 64 frames and their undo
// snapshot take some 200 KB rather than the 3 MB of as many grids.
class PackedBlock {
 public:
  static PackedBlock Of(const PixelGrid& grid);
  // Writes the block's cells into `grid`; column 0 and row 0 stay as they are.
  void CopyTo(PixelGrid& grid) const;

  bool At(int x, int y) const { return bits_[Index(x, y) / 8] & (0x80 >> (Index(x, y) % 8)); }
  void Set(int x, int y, bool on) {
    const auto bit = static_cast<std::uint8_t>(0x80 >> (Index(x, y) % 8));
    auto& byte = bits_[Index(x, y) / 8];
    byte = on ? byte | bit : byte & ~bit;
  }

  bool operator==(const PackedBlock&) const = default;

 private:
  static int Index(int x, int y) {
    Q_ASSERT(x >= 1 && x <= kMaxWidth && y >= 1 && y <= kMaxHeight);
    return (y - 1) * kMaxWidth + (x - 1);
  }

  std::array<std::uint8_t, kMaxWidth * kMaxHeight / 8> bits_{};
};

// One frame of the document. The current frame's cells are in the
// document's Pixels, where every edit finds them, and its `cells` here hold
// paper meanwhile, so that two frame lists compare by what they show.
struct AnimationFrame {
  PackedBlock cells;
  std::int32_t duration = kNewFrameDuration;

  bool operator==(const AnimationFrame&) const = default;
};

}  // namespace tochkograf
