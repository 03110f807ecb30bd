#pragma once

#include <QByteArray>

#include "files/format_status.h"
#include "picture/picture.h"

namespace tochkograf {

// Nokia's startup logo file (.nsl): "FORM", the length of the rest in 16
// bits big-endian, then chunks, each a name of four letters, its length in
// 16 bits big-endian and its data. The "NSLD" chunk holds the 84 x 48 logo
// in 504 octets: column x of row y is in octet (y / 8) * 84 + x, bit y % 8
// (the lowest bit the top pixel), 1 black. Other chunks are skipped.
//
// The reader refuses a file that does not start with "FORM"
// (NotThisFormat), one whose "NSLD" chunk is not of 504 octets
// (Unsupported), and one that ends before the logo does or has none
// (Truncated), leaving the picture as it was.
FormatStatus DecodeNsl(const QByteArray& bytes, Picture& picture);

// "FORM" and the "NSLD" chunk; NotStartupLogoSize for a picture of another
// size than 84 x 48.
FormatStatus EncodeNsl(const Picture& picture, QByteArray& bytes);

// The longest form its length can give.
constexpr qint64 kNslReadLimit = 6 + 0xFFFF;

}  // namespace tochkograf
