#include "files/formats/wbmp_format.h"

#include "files/bit_packing.h"

namespace tochkograf {

namespace {

constexpr char kType0 = 0x00;
constexpr char kNoExtensions = 0x00;
constexpr int kLongestInteger = 4;
constexpr int kMore = 0x80;

// The integer at `at`, which moves past it; false where the bytes end
// first or it is longer than kLongestInteger octets.
bool ReadInteger(const QByteArray& bytes, qsizetype& at, int& value, FormatStatus& failure) {
  value = 0;
  for (int i = 0; i < kLongestInteger; ++i) {
    if (at >= bytes.size()) {
      failure = FormatStatus::Truncated;
      return false;
    }
    const int octet = static_cast<unsigned char>(bytes[at++]);
    value = value << 7 | (octet & ~kMore);
    if (!(octet & kMore)) return true;
  }
  failure = FormatStatus::Damaged;
  return false;
}

QByteArray Integer(int value) {
  QByteArray octets(1, char(value & 0x7F));
  for (value >>= 7; value > 0; value >>= 7) octets.prepend(char(kMore | (value & 0x7F)));
  return octets;
}

}  // namespace

FormatStatus DecodeWbmp(const QByteArray& bytes, Picture& picture) {
  if (bytes.isEmpty() || bytes[0] != kType0) return FormatStatus::NotThisFormat;
  if (bytes.size() < 2) return FormatStatus::Truncated;
  if (bytes[1] != kNoExtensions) return FormatStatus::Unsupported;
  qsizetype at = 2;
  int width = 0, height = 0;
  FormatStatus failure = FormatStatus::Ok;
  if (!ReadInteger(bytes, at, width, failure) || !ReadInteger(bytes, at, height, failure))
    return failure;
  if (!FitsEditor(width, height)) return FormatStatus::BadSize;
  const int row_octets = (width + 7) / 8;
  if (bytes.size() < at + row_octets * height) return FormatStatus::Truncated;
  Picture read{width, height, {}};
  for (int y = 1; y <= height; ++y)
    for (int x = 1; x <= width; ++x) {
      const int octet = static_cast<unsigned char>(bytes[at + (y - 1) * row_octets + (x - 1) / 8]);
      read.cells(x, y) = octet & 0x80 >> (x - 1) % 8 ? kOff : kOn;
    }
  picture = read;
  return FormatStatus::Ok;
}

QByteArray EncodeWbmp(const Picture& picture) {
  QByteArray rows = PackBits(picture, BitOrder::LeftmostHigh, RowEnd::PadToByte);
  // White is the set bit; the bits that pad a row stay clear.
  const int row_octets = (picture.width + 7) / 8;
  const int last_pixels = picture.width - 8 * (row_octets - 1);
  for (qsizetype i = 0; i < rows.size(); ++i) {
    const int pixels = i % row_octets == row_octets - 1 ? last_pixels : 8;
    rows[i] = char(~rows[i] & 0xFF00 >> pixels);
  }
  return QByteArray(1, kType0) + kNoExtensions + Integer(picture.width) + Integer(picture.height) +
         rows;
}

}  // namespace tochkograf
