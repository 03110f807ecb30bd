#include "files/bmp_writer.h"

#include "files/bmp_format.h"
#include "files/little_endian.h"

namespace tochkograf {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kTableSize = 2 * 4;
constexpr int kDataOffset = kFileHeaderSize + kInfoHeaderSize + kTableSize;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 per inch

void AppendHeaders(QByteArray& bytes, const Picture& picture, int data_size) {
  bytes.append("BM");
  AppendLittleEndian(bytes, kDataOffset + data_size, 4);
  AppendLittleEndian(bytes, 0, 4);  // reserved
  AppendLittleEndian(bytes, kDataOffset, 4);
  AppendLittleEndian(bytes, kInfoHeaderSize, 4);
  AppendLittleEndian(bytes, picture.width, 4);
  AppendLittleEndian(bytes, picture.height, 4);  // positive: bottom-up
  AppendLittleEndian(bytes, 1, 2);               // planes
  AppendLittleEndian(bytes, 1, 2);               // bits per pixel
  AppendLittleEndian(bytes, 0, 4);               // no compression
  AppendLittleEndian(bytes, data_size, 4);
  AppendLittleEndian(bytes, kPixelsPerMetre, 4);
  AppendLittleEndian(bytes, kPixelsPerMetre, 4);
  AppendLittleEndian(bytes, 2, 4);  // colours used
  AppendLittleEndian(bytes, 2, 4);  // colours important
  // Black first, so ink is index 0 and paper sets its bit.
  bytes.append("\0\0\0\0", 4);  // blue, green, red, unused
  bytes.append("\xff\xff\xff\0", 4);
}

}  // namespace

QByteArray EncodeBmp(const Picture& picture) {
  const int stride = BmpStride(picture.width);
  QByteArray bytes;
  bytes.reserve(kDataOffset + stride * picture.height);
  AppendHeaders(bytes, picture, stride * picture.height);
  for (int y = picture.height; y >= 1; --y) {
    QByteArray row(stride, '\0');
    for (int x = 1; x <= picture.width; ++x)
      if (picture.cells(x, y) == kOff)
        row[(x - 1) / 8] = char(row[(x - 1) / 8] | (0x80 >> ((x - 1) % 8)));
    bytes.append(row);
  }
  return bytes;
}

}  // namespace tochkograf
