#pragma once

#include <QByteArray>

#include "files/format_status.h"
#include "picture/picture.h"

namespace tochkograf {

// The EMS picture file: a marker byte (written as 2, never checked), the
// width (1..128), the height (1..96), then the rows from the top, each in
// ceil(width / 8) bytes, the leftmost pixel in the most significant bit and a
// set bit for ink. The spare bits of a row's last byte carry the cells just
// beyond the right edge, so they survive a save and a reload.

constexpr char kEmsMarker = 2;

int EmsRowBytes(int width);
// Header and pixel data of a width x height picture.
int EmsFileSize(int width, int height);

QByteArray EncodeEms(const Picture& picture);

// Checks `bytes` as a whole before anything is written: on success the
// picture takes the file's size, and the cells its rows cover (spare bits
// included) take the file's pixels, while other cells keep their values; on
// failure (BadSize, Truncated) the picture is untouched. Bytes after the
// pixel data are ignored.
FormatStatus DecodeEms(const QByteArray& bytes, Picture& picture);

}  // namespace tochkograf
