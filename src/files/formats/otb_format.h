#pragma once

#include <QByteArray>

#include "files/format_status.h"
#include "picture/picture.h"

namespace tochkograf {

// Nokia's over-the-air bitmap: an info byte, the width, the height and the
// depth (1), then the pixels row after row, the leftmost in the most
// significant bit, running on from one row into the next; the last byte is
// filled with clear bits. A set bit is ink. Where the info byte has its
// bit 0x10 set, the width and the height take two bytes each.

QByteArray EncodeOtb(const Picture& picture);

// A bitmap of any size the type allows (up to 65535 a side), as its header
// gives it: the image import brings in larger ones than the editor holds.
struct OtbBitmap {
  int width = 0, height = 0;
  int header = 0;  // the bytes before the first pixel

  qint64 Pixels() const { return qint64(width) * height; }
  // Header and pixels.
  qint64 Bytes() const { return header + (Pixels() + 7) / 8; }
};

// The bitmap's header; NotThisFormat for bytes that do not begin as an OTB
// does. Nothing is set aside for the pixels.
FormatStatus ReadOtbBitmap(const QByteArray& bytes, OtbBitmap& bitmap);

// Whether pixel `index` (row after row, from 0) is ink.
// ASSUMPTION: `bytes` hold the whole bitmap.
bool OtbInk(const QByteArray& bytes, const OtbBitmap& bitmap, qint64 index);

// A bitmap the editor holds, as a picture: BadSize for a larger one,
// Truncated where the bytes end before its pixels do; on failure the
// picture is untouched.
FormatStatus DecodeOtb(const QByteArray& bytes, Picture& picture);

// The longer header and the pixels of the largest bitmap the editor holds.
constexpr qint64 kOtbReadLimit = 6 + kMaxWidth * kMaxHeight / 8;

}  // namespace tochkograf
