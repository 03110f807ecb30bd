#pragma once

#include <QByteArray>

#include "picture/pixel_grid.h"

namespace tochkograf {

// Nokia's over-the-air bitmap: an info byte, the width, the height and the
// depth (1), then the pixels row after row, the leftmost in the most
// significant bit, running on from one row into the next; the last byte is
// filled with clear bits. A set bit is ink.

QByteArray EncodeOtb(int width, int height, const PixelGrid& cells);

enum class OtbStatus { Ok, NotOtb, TooLarge, Truncated };

// A decoded bitmap of any size the format allows (up to 65535 a side):
// `ink` holds a byte per pixel, row after row, 1 for ink.
struct OtbImage {
  int width = 0, height = 0;
  QByteArray ink;
};

// Reads the one-byte sizes and, where the info byte says so, the two-byte
// ones. A bitmap of more than `max_pixels` pixels is refused before any
// memory is set aside for it.
OtbStatus DecodeOtb(const QByteArray& bytes, OtbImage& image, qint64 max_pixels);

}  // namespace tochkograf
