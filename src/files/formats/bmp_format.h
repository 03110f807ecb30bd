#pragma once

#include <QByteArray>

#include "files/format_status.h"
#include "picture/picture.h"

namespace tochkograf {

// Two-colour BMP files, one bit per pixel, uncompressed, each row padded to
// four bytes.
//
// Read: a Windows information header of 40, 108 or 124 bytes or an OS/2 one
// of 12 or 64, stored bottom-up (positive height) or top-down (negative
// height). The darker colour of the file's table becomes ink, the lighter
// paper, so the picture looks as the file shows it whichever order the
// table has.
//
// Written: a 40-byte information header, a two-entry colour table with black
// first and white second, ink black and paper white, rows stored bottom-up.
// DecodeBmp reads it back to the same picture.

// NotThisFormat without the "BM" signature or too short for the headers;
// Unsupported for another header size, depth, compression or table;
// BadSize for a width not 1..128 or a height not 1..96; Truncated where
// the rows end beyond the bytes. On failure the picture is untouched.
FormatStatus DecodeBmp(const QByteArray& bytes, Picture& picture);

QByteArray EncodeBmp(const Picture& picture);

// Bytes a stored row takes: the pixels rounded up to whole 32-bit words.
int BmpStride(int width);

// Far more than any file the reader takes needs (a 128 x 96 one has under
// 2 KB): pixel rows said to lie beyond it are refused like rows beyond the
// end of the file.
constexpr qint64 kBmpReadLimit = 1 << 20;

}  // namespace tochkograf
