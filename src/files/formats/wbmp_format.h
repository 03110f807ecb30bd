#pragma once

#include <QByteArray>

#include "files/format_status.h"
#include "picture/picture.h"

namespace tochkograf {

// The WAP bitmap (.wbmp) of type 0: the type 00, the fixed header 00, the
// width and the height as multi-byte integers (7 bits an octet, the high
// group first, the top bit set on every octet but the last), then the rows,
// the leftmost pixel in the most significant bit, each row padded to whole
// octets; a set bit is white.
//
// The reader refuses another type (NotThisFormat), extension headers
// (Unsupported), an integer longer than 4 octets (Damaged), a size outside
// the editor's (BadSize) and a file that ends before its pixels do
// (Truncated), leaving the picture as it was.
FormatStatus DecodeWbmp(const QByteArray& bytes, Picture& picture);
QByteArray EncodeWbmp(const Picture& picture);

// Two octets, two integers of the longest form, and the largest picture.
constexpr qint64 kWbmpReadLimit = 2 + 2 * 4 + (kMaxWidth + 7) / 8 * kMaxHeight;

}  // namespace tochkograf
