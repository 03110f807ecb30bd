#pragma once

#include <QByteArray>

#include "picture/picture.h"

namespace tochkograf {

// Two-colour BMP files, one bit per pixel, uncompressed, with a Windows
// information header of 40, 108 or 124 bytes or an OS/2 one of 12 or 64,
// stored bottom-up (positive height) or top-down (negative height), each
// row padded to four bytes.
// The darker colour of the file's table becomes ink, the lighter paper, so
// the picture looks as the file shows it whichever order the table has.

enum class BmpStatus {
  Ok,
  NotBmp,           // no "BM" signature, or too short for the headers
  Unsupported,      // other header size, depth, compression or table
  BadSize,          // width not 1..128 or height not 1..96 in size
  Truncated,        // the rows end beyond the file
};

using BmpPicture = Picture;

BmpStatus DecodeBmp(const QByteArray& bytes, BmpPicture& picture);

// Bytes a stored row takes: the pixels rounded up to whole 32-bit words.
int BmpStride(int width);

}  // namespace tochkograf
