#include "files/formats/otb_format.h"

#include "files/bit_packing.h"

namespace tochkograf {

namespace {

constexpr unsigned char kWideSizes = 0x10;  // info bit: sizes take two bytes each
constexpr unsigned char kDepth = 1;

int Byte(const QByteArray& bytes, qsizetype at) { return static_cast<unsigned char>(bytes[at]); }

}  // namespace

QByteArray EncodeOtb(const Picture& picture) {
  QByteArray bytes;
  bytes.append('\0').append(char(picture.width)).append(char(picture.height)).append(char(kDepth));
  return bytes + PackBits(picture, BitOrder::LeftmostHigh, RowEnd::RunOn);
}

FormatStatus ReadOtbBitmap(const QByteArray& bytes, OtbBitmap& bitmap) {
  if (bytes.size() < 4) return FormatStatus::NotThisFormat;
  const int info = Byte(bytes, 0);
  if ((info & ~kWideSizes) != 0) return FormatStatus::NotThisFormat;
  const bool wide = info & kWideSizes;
  const int header = wide ? 6 : 4;
  if (bytes.size() < header) return FormatStatus::NotThisFormat;
  const int width = wide ? Byte(bytes, 1) << 8 | Byte(bytes, 2) : Byte(bytes, 1);
  const int height = wide ? Byte(bytes, 3) << 8 | Byte(bytes, 4) : Byte(bytes, 2);
  if (width == 0 || height == 0 || Byte(bytes, header - 1) != kDepth)
    return FormatStatus::NotThisFormat;
  bitmap = {width, height, header};
  return FormatStatus::Ok;
}

bool OtbInk(const QByteArray& bytes, const OtbBitmap& bitmap, qint64 index) {
  return (Byte(bytes, bitmap.header + index / 8) >> (7 - index % 8)) & 1;
}

FormatStatus DecodeOtb(const QByteArray& bytes, Picture& picture) {
  OtbBitmap bitmap;
  if (const FormatStatus status = ReadOtbBitmap(bytes, bitmap); status != FormatStatus::Ok)
    return status;
  if (!FitsEditor(bitmap.width, bitmap.height)) return FormatStatus::BadSize;
  if (bytes.size() < bitmap.Bytes()) return FormatStatus::Truncated;
  picture.width = bitmap.width;
  picture.height = bitmap.height;
  for (int y = 1; y <= bitmap.height; ++y)
    for (int x = 1; x <= bitmap.width; ++x)
      picture.cells(x, y) =
          OtbInk(bytes, bitmap, qint64(y - 1) * bitmap.width + x - 1) ? kOn : kOff;
  return FormatStatus::Ok;
}

}  // namespace tochkograf
