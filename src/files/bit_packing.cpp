#include "files/bit_packing.h"

namespace tochkograf {

int PackedSize(int width, int height, RowEnd end) {
  return end == RowEnd::PadToByte ? height * ((width + 7) / 8) : (width * height + 7) / 8;
}

QByteArray PackBits(int width, int height, const PixelGrid& cells, BitOrder order, RowEnd end) {
  QByteArray bytes(PackedSize(width, height, end), '\0');
  qsizetype bit = 0;
  for (int y = 1; y <= height; ++y) {
    for (int x = 1; x <= width; ++x, ++bit) {
      if (cells(x, y) == kOff) continue;
      const int shift = order == BitOrder::LeftmostHigh ? 7 - bit % 8 : bit % 8;
      bytes[bit / 8] = static_cast<char>(bytes[bit / 8] | (1 << shift));
    }
    if (end == RowEnd::PadToByte) bit = (bit + 7) / 8 * 8;
  }
  return bytes;
}

}  // namespace tochkograf
