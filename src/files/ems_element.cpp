#include "files/ems_element.h"

#include "files/bit_packing.h"
#include "files/octets.h"

namespace tochkograf {

namespace {

constexpr unsigned char kLargePicture = 0x10;
constexpr unsigned char kSmallPicture = 0x11;
constexpr unsigned char kVariablePicture = 0x12;
constexpr int kAtStartOfText = 0x00;

}  // namespace

std::optional<InformationElement> EmsPictureElement(const Picture& picture) {
  const QByteArray data = PackBits(picture, BitOrder::LeftmostHigh, RowEnd::PadToByte);
  if (data.size() > kMaxElementData) return std::nullopt;
  const QByteArray at = Octets({kAtStartOfText});
  if (picture.width == 32 && picture.height == 32)
    return InformationElement{kLargePicture, at + data};
  if (picture.width == 16 && picture.height == 16)
    return InformationElement{kSmallPicture, at + data};
  return InformationElement{kVariablePicture,
                            at + Octets({(picture.width + 7) / 8, picture.height}) + data};
}

FormatStatus EncodeEmsElement(const Picture& picture, QByteArray& line) {
  const std::optional<InformationElement> element = EmsPictureElement(picture);
  if (!element) return FormatStatus::TooLargeForMessage;
  line = element->Encoded().toHex().toUpper() + '\n';
  return FormatStatus::Ok;
}

}  // namespace tochkograf
