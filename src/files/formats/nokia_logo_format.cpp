#include "files/formats/nokia_logo_format.h"

#include "files/formats/phone_sizes.h"
#include "files/little_endian.h"

namespace tochkograf {

namespace {

constexpr char kBlack = '1';
constexpr char kWhite = '0';

// Where the fields of each type lie.
struct Layout {
  QByteArray signature;
  int width_at;  // the height follows
  int pixels_at;
};
const Layout kNol{QByteArrayLiteral("NOL\0"), 10, 20};
const Layout kNgg{QByteArrayLiteral("NGG\0"), 6, 16};

FormatStatus Decode(const Layout& layout, const QByteArray& bytes, Picture& picture) {
  if (!bytes.startsWith(layout.signature)) return FormatStatus::NotThisFormat;
  if (bytes.size() < layout.pixels_at) return FormatStatus::Truncated;
  const int width = Read16(bytes, layout.width_at);
  const int height = Read16(bytes, layout.width_at + 2);
  if (!FitsEditor(width, height)) return FormatStatus::BadSize;
  if (bytes.size() < layout.pixels_at + width * height) return FormatStatus::Truncated;
  Picture read{width, height, {}};
  const char* pixel = bytes.constData() + layout.pixels_at;
  for (int y = 1; y <= height; ++y)
    for (int x = 1; x <= width; ++x, ++pixel) {
      if (*pixel != kBlack && *pixel != kWhite) return FormatStatus::Damaged;
      read.cells(x, y) = *pixel == kBlack ? kOn : kOff;
    }
  picture = read;
  return FormatStatus::Ok;
}

QByteArray Pixels(const Picture& picture) {
  QByteArray pixels;
  pixels.reserve(picture.width * picture.height);
  for (int y = 1; y <= picture.height; ++y)
    for (int x = 1; x <= picture.width; ++x)
      pixels += picture.cells(x, y) != kOff ? kBlack : kWhite;
  return pixels;
}

QByteArray SizeAndPixels(const Picture& picture) {
  QByteArray bytes;
  for (const int field : {picture.width, picture.height, 1, 1, 0})
    AppendLittleEndian(bytes, field, 2);
  return bytes + Pixels(picture);
}

bool Sized(const Picture& picture, QSize size) {
  return picture.width == size.width() && picture.height == size.height();
}

}  // namespace

FormatStatus DecodeNol(const QByteArray& bytes, Picture& picture) {
  return Decode(kNol, bytes, picture);
}

FormatStatus EncodeNol(const Picture& picture, const NetworkCode& network, QByteArray& bytes) {
  if (!Sized(picture, kNokiaLogo) && !Sized(picture, kNokiaLargeLogo))
    return FormatStatus::NotOperatorLogoSize;
  bytes = kNol.signature;
  for (const int field : {1, network.mcc, network.mnc}) AppendLittleEndian(bytes, field, 2);
  bytes += SizeAndPixels(picture);
  return FormatStatus::Ok;
}

FormatStatus DecodeNgg(const QByteArray& bytes, Picture& picture) {
  return Decode(kNgg, bytes, picture);
}

FormatStatus EncodeNgg(const Picture& picture, QByteArray& bytes) {
  if (!Sized(picture, kNokiaLogo)) return FormatStatus::NotCallerGroupSize;
  bytes = kNgg.signature;
  AppendLittleEndian(bytes, 1, 2);
  bytes += SizeAndPixels(picture);
  return FormatStatus::Ok;
}

}  // namespace tochkograf
