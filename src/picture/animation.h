#pragma once

#include <vector>

#include "picture/frame.h"
#include "picture/picture.h"

namespace tochkograf {

// A picture's frames as files carry them: every frame of one size, each
// with its cells and its duration. What a writer of every frame is given,
// and what a reader of an animation gives.
struct Animation {
  int width = 0, height = 0;
  std::vector<AnimationFrame> frames;  // 1..kMaxFrames once filled

  int Count() const { return static_cast<int>(frames.size()); }
  bool operator==(const Animation&) const = default;
  // Frame `index` as a picture of its own.
  Picture Frame(int index) const {
    Picture picture{width, height, {}};
    frames[index].cells.CopyTo(picture.cells);
    return picture;
  }
  // A one-frame animation of `picture`, of the new-frame duration.
  static Animation Of(const Picture& picture) {
    return {picture.width, picture.height, {AnimationFrame{PackedBlock::Of(picture.cells)}}};
  }
};

}  // namespace tochkograf
