#include "files/ems_element.h"

#include "files/bit_packing.h"
#include "files/extended_object.h"
#include "files/octets.h"
#include "files/sms_user_data.h"

namespace tochkograf {

namespace {

constexpr unsigned char kLargePicture = 0x10;
constexpr unsigned char kSmallPicture = 0x11;
constexpr unsigned char kVariablePicture = 0x12;
constexpr unsigned char kLargeAnimation = 0x0E;
constexpr unsigned char kSmallAnimation = 0x0F;
constexpr int kAnimationFrames = 4;
constexpr int kAtStartOfText = 0x00;

QByteArray AsLine(const InformationElement& element) {
  return element.Encoded().toHex().toUpper() + '\n';
}

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
  line = AsLine(*element);
  return FormatStatus::Ok;
}

std::optional<InformationElement> EmsAnimationElement(const Animation& animation) {
  if (animation.Count() != kAnimationFrames || animation.width != animation.height)
    return std::nullopt;
  unsigned char id = 0;
  if (animation.width == 16)
    id = kLargeAnimation;
  else if (animation.width == 8)
    id = kSmallAnimation;
  else
    return std::nullopt;
  QByteArray data = Octets({kAtStartOfText});
  for (int i = 0; i < animation.Count(); ++i)
    data += PackBits(animation.Frame(i), BitOrder::LeftmostHigh, RowEnd::PadToByte);
  return InformationElement{id, data};
}

FormatStatus EncodeEmsAnimationElement(const Animation& animation, QByteArray& line) {
  if (animation.Count() == 1) return EncodeEmsElement(animation.Frame(0), line);
  if (const std::optional<InformationElement> element = EmsAnimationElement(animation)) {
    line = AsLine(*element);
    return FormatStatus::Ok;
  }
  // The object whole, as a message alone would carry it.
  const HeaderObject object{ExtendedObject(0, ExtendedObjectType::BlackAndWhiteAnimation,
                                           BlackAndWhiteAnimation(animation))
                                .element,
                            0};
  QList<UserData> message;
  if (SplitUserData({.objects = {object}}, message) != FormatStatus::Ok || message.size() != 1)
    return FormatStatus::AnimationTooLargeForElement;
  line = AsLine(object.element);
  return FormatStatus::Ok;
}

}  // namespace tochkograf
