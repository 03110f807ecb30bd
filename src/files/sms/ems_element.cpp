#include "files/sms/ems_element.h"

#include "files/bit_packing.h"
#include "files/octets.h"
#include "files/sms/extended_object.h"
#include "files/sms/sms_user_data.h"

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

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// `count` frames (a still picture: one) of `width` x `height`, whose rows
// of whole octets fill `pixels` exactly.
FormatStatus RowFrames(const QByteArray& pixels, int width, int height, int count,
                       Animation& animation) {
  if (!FitsEditor(width, height)) return FormatStatus::BadSize;
  const int frame_bytes = PackedSize(width, height, RowEnd::PadToByte);
  if (pixels.size() != qsizetype(count) * frame_bytes) return FormatStatus::Damaged;
  Animation read{width, height, {}};
  for (int i = 0; i < count; ++i) {
    const Picture frame = UnpackBits(pixels.mid(i * frame_bytes, frame_bytes), width, height,
                                     BitOrder::LeftmostHigh, RowEnd::PadToByte);
    read.frames.push_back({PackedBlock::Of(frame.cells)});
  }
  animation = std::move(read);
  return FormatStatus::Ok;
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

bool IsHexLine(const QByteArray& text) {
  bool digits = false;
  for (const char c : text) {
    if (!IsHexDigit(c) && !IsSpace(c)) return false;
    digits = digits || IsHexDigit(c);
  }
  return digits;
}

FormatStatus DecodeEmsElementLine(const QByteArray& text, Animation& animation) {
  if (!IsHexLine(text)) return FormatStatus::NotThisFormat;
  if (text.size() >= kEmsElementLineReadLimit) return FormatStatus::Damaged;
  QByteArray hex;
  for (const char c : text)
    if (IsHexDigit(c)) hex += c;
  if (hex.size() % 2 != 0) return FormatStatus::Truncated;
  const QByteArray octets = QByteArray::fromHex(hex);
  if (octets.size() < 2 || octets.size() < 2 + uchar(octets[1])) return FormatStatus::Truncated;
  if (octets.size() > 2 + uchar(octets[1])) return FormatStatus::Damaged;
  return DecodeEmsElement({uchar(octets[0]), octets.mid(2)}, animation);
}

FormatStatus DecodeEmsElement(const InformationElement& element, Animation& animation) {
  // Every kind but the extended object places the picture in the text first.
  const QByteArray& data = element.data;
  const QByteArray pixels = data.mid(1);
  switch (element.id) {
    case kLargePicture:
      return RowFrames(pixels, 32, 32, 1, animation);
    case kSmallPicture:
      return RowFrames(pixels, 16, 16, 1, animation);
    case kVariablePicture:
      if (pixels.size() < 2) return FormatStatus::Damaged;
      return RowFrames(pixels.mid(2), 8 * uchar(pixels[0]), uchar(pixels[1]), 1, animation);
    case kLargeAnimation:
      return RowFrames(pixels, 16, 16, kAnimationFrames, animation);
    case kSmallAnimation:
      return RowFrames(pixels, 8, 8, kAnimationFrames, animation);
    case kExtendedObjectElement:
      return DecodeExtendedObjectPicture(data, animation);
    default:
      return FormatStatus::NotEmsElement;
  }
}

}  // namespace tochkograf
