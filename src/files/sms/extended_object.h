#pragma once

#include <QByteArray>

#include "files/format_status.h"
#include "files/sms/sms_user_data.h"
#include "picture/animation.h"
#include "picture/picture.h"

namespace tochkograf {

// EMS extended objects (3GPP TS 23.040, 9.2.3.24.10.1.16): objects larger
// than one message carries, split over concatenated messages.

// The identifier of its information element.
constexpr unsigned char kExtendedObjectElement = 0x14;

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

// The picture or animation the data of an extended object's element holds
// whole (the head, then the object), each frame of an animation shown for
// its frame time; a bitmap is one frame of the new-frame duration. Where
// the object goes on in later messages, Truncated; where the element holds
// more than the object, or the object's pixels are not as long as its
// sizes say, Damaged; a size outside the editor's, BadSize; more frames than
// a picture has, TooManyFrames; a grey or colour picture, Unsupported; an
// object of any other type, NotEmsElement. `animation` is then as it was.
FormatStatus DecodeExtendedObjectPicture(const QByteArray& data, Animation& animation);

}  // namespace tochkograf
