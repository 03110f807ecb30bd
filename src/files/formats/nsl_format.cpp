#include "files/formats/nsl_format.h"

#include "files/formats/phone_sizes.h"
#include "files/octets.h"

namespace tochkograf {

namespace {

const QByteArray kForm = QByteArrayLiteral("FORM");
const QByteArray kLogoChunk = QByteArrayLiteral("NSLD");
constexpr int kChunkHead = 6;  // name and length
const int kWidth = kNokiaStartupLogo.width(), kHeight = kNokiaStartupLogo.height();
const int kLogoOctets = kWidth * kHeight / 8;

int ReadBigEndian16(const QByteArray& bytes, qsizetype at) {
  return static_cast<unsigned char>(bytes[at]) << 8 | static_cast<unsigned char>(bytes[at + 1]);
}

// Octet and bit of a pixel (from 0).
qsizetype OctetOf(int x, int y) { return qsizetype(y / 8) * kWidth + x; }
int BitOf(int y) { return 1 << y % 8; }

}  // namespace

FormatStatus DecodeNsl(const QByteArray& bytes, Picture& picture) {
  if (!bytes.startsWith(kForm)) return FormatStatus::NotThisFormat;
  qsizetype at = kForm.size() + 2;
  while (at + kChunkHead <= bytes.size()) {
    const int length = ReadBigEndian16(bytes, at + 4);
    const qsizetype data = at + kChunkHead;
    if (bytes.mid(at, 4) == kLogoChunk) {
      if (length != kLogoOctets) return FormatStatus::Unsupported;
      if (data + length > bytes.size()) return FormatStatus::Truncated;
      Picture read{kWidth, kHeight, {}};
      for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
          read.cells(x + 1, y + 1) = bytes[data + OctetOf(x, y)] & BitOf(y) ? kOn : kOff;
      picture = read;
      return FormatStatus::Ok;
    }
    at = data + length;
  }
  return FormatStatus::Truncated;
}

FormatStatus EncodeNsl(const Picture& picture, QByteArray& bytes) {
  if (picture.width != kWidth || picture.height != kHeight) return FormatStatus::NotStartupLogoSize;
  QByteArray logo(kLogoOctets, '\0');
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (picture.cells(x + 1, y + 1) != kOff)
        logo[OctetOf(x, y)] = char(logo[OctetOf(x, y)] | BitOf(y));
  const QByteArray chunk = kLogoChunk + BigEndian16(kLogoOctets) + logo;
  bytes = kForm + BigEndian16(int(chunk.size())) + chunk;
  return FormatStatus::Ok;
}

}  // namespace tochkograf
