#pragma once

#include <QMetaType>
#include <QRandomGenerator>

#include "picture/animation.h"

namespace tochkograf {

// `frames` frames of width x height, each with its own random cells and a
// random duration across the whole range.
inline Animation RandomAnimation(int width, int height, int frames, quint32 seed = 1) {
  Animation animation{width, height, {}};
  QRandomGenerator random(seed);
  for (int i = 0; i < frames; ++i) {
    AnimationFrame frame{{}, random.bounded(kShortestFrame, kLongestFrame + 1)};
    for (int y = 1; y <= height; ++y)
      for (int x = 1; x <= width; ++x) frame.cells.Set(x, y, random.bounded(2));
    animation.frames.push_back(frame);
  }
  return animation;
}

}  // namespace tochkograf

Q_DECLARE_METATYPE(tochkograf::Animation)
