#pragma once

#include <QByteArray>

#include "files/sms_user_data.h"
#include "picture/picture.h"

namespace tochkograf {

// EMS extended objects (3GPP TS 23.040, 9.2.3.24.10.1.16): objects larger
// than one message carries, split over concatenated messages.

enum class ExtendedObjectType : unsigned char {
  BlackAndWhiteBitmap = 0x02,
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

}  // namespace tochkograf
