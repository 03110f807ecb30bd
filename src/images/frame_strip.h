#pragma once

#include <QByteArray>
#include <QImage>

#include "files/format_status.h"
#include "picture/animation.h"

namespace tochkograf {

// Every frame of `animation` side by side, the first at the left: one
// one-bit image as many frames wide as the animation, paper white and ink
// black.
QImage FrameStrip(const Animation& animation);

// The strip as a PNG; NotEncoded, with `bytes` as they were, where Qt's
// writer fails.
FormatStatus EncodeFrameStrip(const Animation& animation, QByteArray& bytes);

}  // namespace tochkograf
