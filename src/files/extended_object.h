#pragma once

#include <QByteArray>

#include "files/sms_user_data.h"
#include "picture/animation.h"
#include "picture/picture.h"

namespace tochkograf {

// EMS extended objects (3GPP TS 23.040, 9.2.3.24.10.1.16): objects larger
// than one message carries, split over concatenated messages.

enum class ExtendedObjectType : unsigned char {
  BlackAndWhiteBitmap = 0x02,
  BlackAndWhiteAnimation = 0x06,
};

// The element, which concatenated messages may split: an 8-bit reference,
// the data's length in 16 bits, control 00 (the object may be forwarded),
// the type, and the position in the text in 16 bits (0, before the text),
// which the first message must hold whole; then the data.
HeaderObject ExtendedObject(int reference, ExtendedObjectType type, const QByteArray& data);

// A black-and-white bitmap's data: its width and height in pixels, one
// octet each, then its pixels as one run from the top left, rows not
// padded, the leftmost in the most significant bit, a set bit black.
QByteArray BlackAndWhiteBitmap(const Picture& picture);

// A black-and-white animation's data: its width, height and frame count,
// one octet each; a control octet, the time each frame shows in its high
// four bits (0 for 0.1 s .. 15 for 1.6 s) and the repeats in its low four
// (0, endless, as the editor plays them); then each frame as a bitmap's
// pixels, padded to an octet. A phone shows every frame for one time: the
// mean of the frames' durations, to the nearest tenth of a second, within
// 0.1 .. 1.6 s.
QByteArray BlackAndWhiteAnimation(const Animation& animation);

}  // namespace tochkograf
