#pragma once

#include <QByteArray>

#include "files/format_status.h"
#include "files/sms/network_code.h"
#include "picture/picture.h"

namespace tochkograf {

// The files Nokia's phone tools upload over a cable as an operator logo
// (.nol) and a caller group graphic (.ngg). After the signature ("NOL\0",
// "NGG\0") come 16-bit little-endian fields: 1; for .nol the network's MCC
// and MNC as numbers (a three-digit MNC too: the file cannot tell 010 from
// 10); the width and the height; 1, 1 and 0. Then one ASCII
// octet a pixel, row after row, "1" black and "0" white; anything after
// the pixels is ignored.
//
// The readers take any size the editor holds, and refuse another
// signature (NotThisFormat), a size outside the editor's (BadSize), a
// file that ends before its pixels (Truncated) and a pixel other than "0"
// or "1" (Damaged), leaving the picture as it was. The writers take only
// the sizes phones show.

FormatStatus DecodeNol(const QByteArray& bytes, Picture& picture);
// 72 x 14 or 78 x 21; NotOperatorLogoSize otherwise.
FormatStatus EncodeNol(const Picture& picture, const NetworkCode& network, QByteArray& bytes);

FormatStatus DecodeNgg(const QByteArray& bytes, Picture& picture);
// 72 x 14; NotCallerGroupSize otherwise.
FormatStatus EncodeNgg(const Picture& picture, QByteArray& bytes);

// The longest file the readers need: the header and the largest picture's
// pixels.
constexpr qint64 kNokiaLogoReadLimit = 20 + kMaxWidth * kMaxHeight;

}  // namespace tochkograf
