#include "files/formats/nlm_format.h"

#include "files/bit_packing.h"
#include "files/formats/phone_sizes.h"
#include "files/octets.h"

namespace tochkograf {

namespace {

const QByteArray kSignature = QByteArrayLiteral("NLM ");
constexpr int kVersion = 1;
constexpr int kDepth = 1;
constexpr int kHeader = 10;

enum Type { kOperatorLogo = 0, kStartupLogo = 2, kPictureMessage = 3 };

int Octet(const QByteArray& bytes, int at) { return static_cast<unsigned char>(bytes[at]); }

}  // namespace

FormatStatus DecodeNlm(const QByteArray& bytes, Picture& picture) {
  if (!bytes.startsWith(kSignature)) return FormatStatus::NotThisFormat;
  if (bytes.size() < kHeader) return FormatStatus::Truncated;
  if (Octet(bytes, 9) != kDepth) return FormatStatus::Unsupported;
  const int width = Octet(bytes, 7), height = Octet(bytes, 8);
  if (!FitsEditor(width, height)) return FormatStatus::BadSize;
  const int row_octets = (width + 7) / 8;
  if (bytes.size() < kHeader + row_octets * height) return FormatStatus::Truncated;
  Picture read{width, height, {}};
  for (int y = 1; y <= height; ++y)
    for (int x = 1; x <= width; ++x) {
      const int octet = Octet(bytes, kHeader + (y - 1) * row_octets + (x - 1) / 8);
      read.cells(x, y) = octet & 0x80 >> (x - 1) % 8 ? kOn : kOff;
    }
  picture = read;
  return FormatStatus::Ok;
}

FormatStatus EncodeNlm(const Picture& picture, QByteArray& bytes) {
  const QSize size(picture.width, picture.height);
  int type;
  if (size == kNokiaLogo || size == kNokiaLargeLogo)
    type = kOperatorLogo;
  else if (size == kNokiaStartupLogo)
    type = kStartupLogo;
  else if (size == kNokiaPicture)
    type = kPictureMessage;
  else
    return FormatStatus::NotLogoManagerSize;
  const int one_frame = 0;
  bytes = kSignature + Octets({kVersion, type, one_frame, picture.width, picture.height, kDepth}) +
          PackBits(picture, BitOrder::LeftmostHigh, RowEnd::PadToByte);
  return FormatStatus::Ok;
}

}  // namespace tochkograf
