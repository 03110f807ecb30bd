#include "files/formats/ems_format.h"

namespace tochkograf {

namespace {

// The shared walk over the pixel bytes: byte `index` of the data starts at
// cell (x, y) and covers x..x+7 of that row.
template <typename ByteAction>
void ForEachPixelByte(int width, int height, ByteAction action) {
  const int row_bytes = EmsRowBytes(width);
  for (int y = 1; y <= height; ++y)
    for (int j = 0; j < row_bytes; ++j) action((y - 1) * row_bytes + j, 8 * j + 1, y);
}

}  // namespace

int EmsRowBytes(int width) { return (width + 7) / 8; }

int EmsFileSize(int width, int height) { return 3 + height * EmsRowBytes(width); }

QByteArray EncodeEms(const Picture& picture) {
  QByteArray bytes(EmsFileSize(picture.width, picture.height), '\0');
  bytes[0] = kEmsMarker;
  bytes[1] = static_cast<char>(picture.width);
  bytes[2] = static_cast<char>(picture.height);
  ForEachPixelByte(picture.width, picture.height, [&](int index, int x, int y) {
    int value = 0;
    for (int k = 0; k < 8; ++k)
      if (picture.cells(x + k, y) != kOff) value |= 0x80 >> k;
    bytes[3 + index] = static_cast<char>(value);
  });
  return bytes;
}

FormatStatus DecodeEms(const QByteArray& bytes, Picture& picture) {
  if (bytes.size() < 3) return FormatStatus::Truncated;
  const int width = static_cast<unsigned char>(bytes[1]);
  const int height = static_cast<unsigned char>(bytes[2]);
  if (!FitsEditor(width, height)) return FormatStatus::BadSize;
  if (bytes.size() < EmsFileSize(width, height)) return FormatStatus::Truncated;
  picture.width = width;
  picture.height = height;
  ForEachPixelByte(width, height, [&](int index, int x, int y) {
    const int value = static_cast<unsigned char>(bytes[3 + index]);
    for (int k = 0; k < 8; ++k) picture.cells(x + k, y) = (value & (0x80 >> k)) ? kOn : kOff;
  });
  return FormatStatus::Ok;
}

}  // namespace tochkograf
