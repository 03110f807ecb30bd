#include "files/bmp_format.h"

#include <cstdlib>

#include "files/little_endian.h"

namespace tochkograf {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // the OS/2 1.x header

// The information header's fields, whichever header the file has.
struct Fields {
  std::int32_t width, height;
  std::uint16_t bits_per_pixel;
  std::uint32_t compression, colours_used;
  int entry_size;  // bytes of a colour table entry
};

// The OS/2 1.x header: 16-bit sizes, no compression, and a table of
// three-byte entries with as many colours as the depth allows.
Fields CoreFields(const QByteArray& bytes) {
  return {Read16(bytes, 18), Read16(bytes, 20), Read16(bytes, 24), 0, 0, 3};
}

// The Windows headers (40, 108, 124 bytes) and OS/2 2.x's (64 bytes) begin
// alike, and their tables take four bytes an entry: blue, green, red, unused.
Fields InfoFields(const QByteArray& bytes) {
  return {ReadSigned32(bytes, 18), ReadSigned32(bytes, 22), Read16(bytes, 28),
          Read32(bytes, 30),       Read32(bytes, 46),       4};
}

bool KnownHeaderSize(std::uint32_t size) {
  return size == kCoreHeaderSize || size == 40 || size == 64 || size == 108 || size == 124;
}

struct Layout {
  int width, height;
  bool top_down;
  int table_offset, colours, entry_size;
  std::uint32_t data_offset;
};

BmpStatus ReadLayout(const QByteArray& bytes, Layout& layout) {
  if (bytes.size() < kFileHeaderSize + 4 || !bytes.startsWith("BM")) return BmpStatus::NotBmp;
  const std::uint32_t info_size = Read32(bytes, 14);
  if (!KnownHeaderSize(info_size)) return BmpStatus::Unsupported;
  if (bytes.size() < kFileHeaderSize + static_cast<int>(info_size)) return BmpStatus::NotBmp;
  const Fields fields = info_size == kCoreHeaderSize ? CoreFields(bytes) : InfoFields(bytes);
  if (fields.bits_per_pixel != 1 || fields.compression != 0 || fields.colours_used > 2)
    return BmpStatus::Unsupported;

  const std::int32_t width = fields.width;
  const std::int32_t height = fields.height;
  if (width < 1 || width > kMaxWidth || height == 0 || height < -kMaxHeight ||
      height > kMaxHeight)
    return BmpStatus::BadSize;

  layout.width = width;
  layout.height = std::abs(height);
  layout.top_down = height < 0;
  layout.table_offset = kFileHeaderSize + static_cast<int>(info_size);
  layout.colours = fields.colours_used == 0 ? 2 : static_cast<int>(fields.colours_used);
  layout.entry_size = fields.entry_size;
  layout.data_offset = Read32(bytes, 10);
  const qint64 table_end = layout.table_offset + qint64(layout.colours) * layout.entry_size;
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
  return Brightness(bytes, layout.table_offset + layout.entry_size) <
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
