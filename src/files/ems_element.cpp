#include "files/ems_element.h"

#include "files/bit_packing.h"

namespace tochkograf {

namespace {

constexpr char kLargePicture = 0x10;
constexpr char kSmallPicture = 0x11;
constexpr char kVariablePicture = 0x12;
constexpr char kAtStartOfText = 0x00;

QByteArray Element(int width, int height, const QByteArray& data) {
  QByteArray element;
  if (width == 32 && height == 32) {
    element.append(kLargePicture).append(char(1 + data.size())).append(kAtStartOfText);
  } else if (width == 16 && height == 16) {
    element.append(kSmallPicture).append(char(1 + data.size())).append(kAtStartOfText);
  } else {
    element.append(kVariablePicture).append(char(3 + data.size())).append(kAtStartOfText);
    element.append(char((width + 7) / 8)).append(char(height));
  }
  return element + data;
}

}  // namespace

FormatStatus EncodeEmsElement(const Picture& picture, QByteArray& line) {
  const QByteArray data = PackBits(picture, BitOrder::LeftmostHigh, RowEnd::PadToByte);
  if (data.size() > kMaxElementData) return FormatStatus::TooLargeForMessage;
  line = Element(picture.width, picture.height, data).toHex().toUpper() + '\n';
  return FormatStatus::Ok;
}

}  // namespace tochkograf
