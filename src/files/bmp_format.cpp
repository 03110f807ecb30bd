#include "files/bmp_format.h"

#include <cstdlib>

#include "files/little_endian.h"

namespace tochkograf {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kColourEntrySize = 4;  // blue, green, red, unused

struct Layout {
  int width, height;
  bool top_down;
  int table_offset, colours;
  std::uint32_t data_offset;
};

BmpStatus ReadLayout(const QByteArray& bytes, Layout& layout) {
  if (bytes.size() < kFileHeaderSize + 40 || !bytes.startsWith("BM")) return BmpStatus::NotBmp;
  const std::uint32_t info_size = Read32(bytes, 14);
  if (info_size != 40 && info_size != 108 && info_size != 124) return BmpStatus::Unsupported;
  if (bytes.size() < kFileHeaderSize + static_cast<int>(info_size)) return BmpStatus::NotBmp;
  const std::uint16_t bits_per_pixel = Read16(bytes, 28);
  const std::uint32_t compression = Read32(bytes, 30);
  const std::uint32_t colours_used = Read32(bytes, 46);
  if (bits_per_pixel != 1 || compression != 0 || colours_used > 2) return BmpStatus::Unsupported;

  const std::int32_t width = ReadSigned32(bytes, 18);
  const std::int32_t height = ReadSigned32(bytes, 22);
  if (width < 1 || width > kMaxWidth || height == 0 || height < -kMaxHeight ||
      height > kMaxHeight)
    return BmpStatus::BadSize;

  layout.width = width;
  layout.height = std::abs(height);
  layout.top_down = height < 0;
  layout.table_offset = kFileHeaderSize + static_cast<int>(info_size);
  layout.colours = colours_used == 0 ? 2 : static_cast<int>(colours_used);
  layout.data_offset = Read32(bytes, 10);
  const qint64 table_end = layout.table_offset + qint64(layout.colours) * kColourEntrySize;
  const qint64 data_end = qint64(layout.data_offset) + qint64(layout.height) * BmpStride(width);
  if (layout.data_offset < table_end || bytes.size() < data_end) return BmpStatus::Truncated;
  return BmpStatus::Ok;
}

int Brightness(const QByteArray& bytes, int entry_offset) {
  const int blue = static_cast<unsigned char>(bytes[entry_offset]);
  const int green = static_cast<unsigned char>(bytes[entry_offset + 1]);
  const int red = static_cast<unsigned char>(bytes[entry_offset + 2]);
  return 299 * red + 587 * green + 114 * blue;
}

// The colour index that is ink. Index 0 unless the second entry is darker.
int InkIndex(const QByteArray& bytes, const Layout& layout) {
  if (layout.colours < 2) return 0;
  return Brightness(bytes, layout.table_offset + kColourEntrySize) <
                 Brightness(bytes, layout.table_offset)
             ? 1
             : 0;
}

}  // namespace

int BmpStride(int width) { return 4 * ((width + 31) / 32); }

BmpStatus DecodeBmp(const QByteArray& bytes, BmpPicture& picture) {
  Layout layout{};
  const BmpStatus status = ReadLayout(bytes, layout);
  if (status != BmpStatus::Ok) return status;
  const int ink = InkIndex(bytes, layout);
  const int stride = BmpStride(layout.width);
  picture.width = layout.width;
  picture.height = layout.height;
  for (int r = 0; r < layout.height; ++r) {
    const int y = layout.top_down ? r + 1 : layout.height - r;
    const char* row = bytes.constData() + layout.data_offset + qint64(r) * stride;
    for (int x = 1; x <= layout.width; ++x) {
      const int index = (static_cast<unsigned char>(row[(x - 1) / 8]) >> (7 - (x - 1) % 8)) & 1;
      picture.cells(x, y) = index == ink ? kOn : kOff;
    }
  }
  return BmpStatus::Ok;
}

}  // namespace tochkograf
