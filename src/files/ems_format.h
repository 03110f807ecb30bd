#pragma once

#include <QByteArray>

#include "picture/pixel_grid.h"

namespace tochkograf {

// The EMS picture file: a marker byte (written as 2, never checked), the
// width (1..128), the height (1..96), then the rows from the top, each in
// ceil(width / 8) bytes, the leftmost pixel in the most significant bit and a
// set bit for ink. The spare bits of a row's last byte carry the cells just
// beyond the right edge, so they survive a save and a reload.

constexpr char kEmsMarker = 2;

enum class EmsStatus { Ok, BadSize, Truncated };

int EmsRowBytes(int width);
// Header and pixel data of a width x height picture.
int EmsFileSize(int width, int height);

QByteArray EncodeEms(int width, int height, const PixelGrid& pixels);

struct EmsHeader {
  int width = 0, height = 0;
};

// Checks `bytes` as a whole before anything is written: on success the
// size goes to `header` and the cells the rows cover go to `pixels` (other
// cells keep their values); on failure neither is touched. Bytes after the
// pixel data are ignored.
EmsStatus DecodeEms(const QByteArray& bytes, EmsHeader& header, PixelGrid& pixels);

}  // namespace tochkograf
