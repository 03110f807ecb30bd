#pragma once

#include <QByteArray>

#include "files/format_status.h"
#include "picture/animation.h"

namespace tochkograf {

// A GIF of every frame of `animation`, written with giflib: a two-entry
// palette (0 paper white, 1 ink black), each frame whole and opaque. More
// than one frame shows each for its duration, rounded to the hundredths of
// a second GIF counts in, and loops forever; one frame gives a still GIF.
// NotEncoded, with `bytes` as they were, where giflib fails.
// ASSUMPTION: 1..kMaxFrames frames of one size that fits the editor.
FormatStatus EncodeGifAnimation(const Animation& animation, QByteArray& bytes);

}  // namespace tochkograf
