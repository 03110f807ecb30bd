#pragma once

#include <QByteArray>

#include "picture/picture.h"

namespace tochkograf {

// How the one-bit formats lay a picture's pixels into bytes: ink is a set
// bit, rows run from the top, and each row from the left.
enum class BitOrder { LeftmostHigh, LeftmostLow };
enum class RowEnd { PadToByte, RunOn };  // a row starts a new byte, or not

// The picture's pixels, and nothing beyond them: bits that fill up a byte
// are clear.
QByteArray PackBits(const Picture& picture, BitOrder order, RowEnd end);

// The bytes PackBits gives for a picture of that size.
int PackedSize(int width, int height, RowEnd end);

// The picture of `width` x `height` PackBits would give `bytes` for, which
// hold at least PackedSize of them; those beyond are not looked at.
Picture UnpackBits(const QByteArray& bytes, int width, int height, BitOrder order, RowEnd end);

}  // namespace tochkograf
