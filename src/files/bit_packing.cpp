#include "files/bit_packing.h"

namespace tochkograf {

int PackedSize(int width, int height, RowEnd end) {
  return end == RowEnd::PadToByte ? height * ((width + 7) / 8) : (width * height + 7) / 8;
}

QByteArray PackBits(const Picture& picture, BitOrder order, RowEnd end) {
  QByteArray bytes(PackedSize(picture.width, picture.height, end), '\0');
  qsizetype bit = 0;
  for (int y = 1; y <= picture.height; ++y) {
    for (int x = 1; x <= picture.width; ++x, ++bit) {
      if (picture.cells(x, y) == kOff) continue;
      const int shift = order == BitOrder::LeftmostHigh ? 7 - bit % 8 : bit % 8;
      bytes[bit / 8] = static_cast<char>(bytes[bit / 8] | (1 << shift));
    }
    if (end == RowEnd::PadToByte) bit = (bit + 7) / 8 * 8;
  }
  return bytes;
}

Picture UnpackBits(const QByteArray& bytes, int width, int height, BitOrder order, RowEnd end) {
  Q_ASSERT(bytes.size() >= PackedSize(width, height, end));
  Picture picture{width, height, {}};
  qsizetype bit = 0;
  for (int y = 1; y <= height; ++y) {
    for (int x = 1; x <= width; ++x, ++bit) {
      const int shift = order == BitOrder::LeftmostHigh ? 7 - bit % 8 : bit % 8;
      picture.cells(x, y) = uchar(bytes[bit / 8]) >> shift & 1 ? kOn : kOff;
    }
    if (end == RowEnd::PadToByte) bit = (bit + 7) / 8 * 8;
  }
  return picture;
}

}  // namespace tochkograf
