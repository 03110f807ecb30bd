#include "files/otb_format.h"

#include "files/bit_packing.h"

namespace tochkograf {

namespace {

constexpr unsigned char kWideSizes = 0x10;  // info bit: sizes take two bytes each
constexpr unsigned char kDepth = 1;

int Byte(const QByteArray& bytes, qsizetype at) { return static_cast<unsigned char>(bytes[at]); }

}  // namespace

QByteArray EncodeOtb(int width, int height, const PixelGrid& cells) {
  QByteArray bytes;
  bytes.append('\0').append(char(width)).append(char(height)).append(char(kDepth));
  return bytes + PackBits(width, height, cells, BitOrder::LeftmostHigh, RowEnd::RunOn);
}

OtbStatus DecodeOtb(const QByteArray& bytes, OtbImage& image, qint64 max_pixels) {
  if (bytes.size() < 4) return OtbStatus::NotOtb;
  const int info = Byte(bytes, 0);
  if ((info & ~kWideSizes) != 0) return OtbStatus::NotOtb;
  const bool wide = info & kWideSizes;
  const int header = wide ? 6 : 4;
  if (bytes.size() < header) return OtbStatus::NotOtb;
  const int width = wide ? Byte(bytes, 1) << 8 | Byte(bytes, 2) : Byte(bytes, 1);
  const int height = wide ? Byte(bytes, 3) << 8 | Byte(bytes, 4) : Byte(bytes, 2);
  if (width == 0 || height == 0 || Byte(bytes, header - 1) != kDepth) return OtbStatus::NotOtb;
  const qint64 pixels = qint64(width) * height;
  if (pixels > max_pixels) return OtbStatus::TooLarge;
  if (bytes.size() < header + (pixels + 7) / 8) return OtbStatus::Truncated;
  image.width = width;
  image.height = height;
  image.ink = QByteArray(pixels, '\0');
  for (qint64 bit = 0; bit < pixels; ++bit)
    image.ink[bit] = char((Byte(bytes, header + bit / 8) >> (7 - bit % 8)) & 1);
  return OtbStatus::Ok;
}

}  // namespace tochkograf
