#include "files/formats/bmp_format.h"

#include <cstdlib>

#include "files/brightness.h"
#include "files/little_endian.h"

namespace tochkograf {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // the OS/2 1.x header
constexpr int kInfoHeaderSize = 40;            // the Windows header the writer gives
constexpr int kWrittenTableSize = 2 * 4;
constexpr int kWrittenDataOffset = kFileHeaderSize + kInfoHeaderSize + kWrittenTableSize;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 per inch

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
  return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 64 || size == 108 ||
         size == 124;
}

struct Layout {
  int width, height;
  bool top_down;
  int table_offset, colours, entry_size;
  std::uint32_t data_offset;
};

FormatStatus ReadLayout(const QByteArray& bytes, Layout& layout) {
  if (bytes.size() < kFileHeaderSize + 4 || !bytes.startsWith("BM"))
    return FormatStatus::NotThisFormat;
  const std::uint32_t info_size = Read32(bytes, 14);
  if (!KnownHeaderSize(info_size)) return FormatStatus::Unsupported;
  if (bytes.size() < kFileHeaderSize + static_cast<int>(info_size))
    return FormatStatus::NotThisFormat;
  const Fields fields = info_size == kCoreHeaderSize ? CoreFields(bytes) : InfoFields(bytes);
  if (fields.bits_per_pixel != 1 || fields.compression != 0 || fields.colours_used > 2)
    return FormatStatus::Unsupported;

  const std::int32_t width = fields.width;
  const std::int32_t height = fields.height;
  if (width < 1 || width > kMaxWidth || height == 0 || height < -kMaxHeight || height > kMaxHeight)
    return FormatStatus::BadSize;

  layout.width = width;
  layout.height = std::abs(height);
  layout.top_down = height < 0;
  layout.table_offset = kFileHeaderSize + static_cast<int>(info_size);
  layout.colours = fields.colours_used == 0 ? 2 : static_cast<int>(fields.colours_used);
  layout.entry_size = fields.entry_size;
  layout.data_offset = Read32(bytes, 10);
  const qint64 table_end = layout.table_offset + qint64(layout.colours) * layout.entry_size;
  const qint64 data_end = qint64(layout.data_offset) + qint64(layout.height) * BmpStride(width);
  if (layout.data_offset < table_end || bytes.size() < data_end) return FormatStatus::Truncated;
  return FormatStatus::Ok;
}

// A table entry's brightness: its bytes are blue, green, red.
int EntryBrightness(const QByteArray& bytes, int entry_offset) {
  const auto channel = [&](int k) { return static_cast<unsigned char>(bytes[entry_offset + k]); };
  return Brightness(channel(2), channel(1), channel(0));
}

// The colour index that is ink. Index 0 unless the second entry is darker.
int InkIndex(const QByteArray& bytes, const Layout& layout) {
  if (layout.colours < 2) return 0;
  return EntryBrightness(bytes, layout.table_offset + layout.entry_size) <
                 EntryBrightness(bytes, layout.table_offset)
             ? 1
             : 0;
}

void AppendHeaders(QByteArray& bytes, const Picture& picture, int data_size) {
  bytes.append("BM");
  AppendLittleEndian(bytes, kWrittenDataOffset + data_size, 4);
  AppendLittleEndian(bytes, 0, 4);  // reserved
  AppendLittleEndian(bytes, kWrittenDataOffset, 4);
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

int BmpStride(int width) { return 4 * ((width + 31) / 32); }

FormatStatus DecodeBmp(const QByteArray& bytes, Picture& picture) {
  Layout layout{};
  const FormatStatus status = ReadLayout(bytes, layout);
  if (status != FormatStatus::Ok) return status;
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
  return FormatStatus::Ok;
}

QByteArray EncodeBmp(const Picture& picture) {
  const int stride = BmpStride(picture.width);
  QByteArray bytes;
  bytes.reserve(kWrittenDataOffset + stride * picture.height);
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
