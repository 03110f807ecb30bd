#include "files/sms/extended_object.h"

#include <algorithm>

#include "files/bit_packing.h"
#include "files/octets.h"

namespace tochkograf {

namespace {

constexpr int kMayBeForwarded = 0x00;
constexpr int kBeforeTheText = 0;
constexpr int kHeadSize = 7;  // reference, length, control, type, position
constexpr int kShortestTenths = 1, kLongestTenths = 16;
constexpr int kEndless = 0;

// The types of pictures the program does not read: 2-bit greys and 6-bit
// colours, still and animated.
constexpr unsigned char kGreyBitmap = 0x03, kColourBitmap = 0x04;
constexpr unsigned char kGreyAnimation = 0x07, kColourAnimation = 0x08;

// The frame time of the control octet, its high four bits.
int FrameTime(const Animation& animation) {
  qint64 total = 0;
  for (const AnimationFrame& frame : animation.frames) total += frame.duration;
  const qint64 count = std::max(animation.Count(), 1);
  const auto tenths = int((total + 50 * count) / (100 * count));
  return std::clamp(tenths, kShortestTenths, kLongestTenths) - kShortestTenths;
}

// The frames of a black-and-white bitmap (one) or animation, from the
// object's data.
FormatStatus DecodeBlackAndWhite(ExtendedObjectType type, const QByteArray& object,
                                 Animation& animation) {
  const bool animated = type == ExtendedObjectType::BlackAndWhiteAnimation;
  const int head = animated ? 4 : 2;
  if (object.size() < head) return FormatStatus::Damaged;
  const int width = uchar(object[0]), height = uchar(object[1]);
  const int count = animated ? uchar(object[2]) : 1;
  if (!FitsEditor(width, height)) return FormatStatus::BadSize;
  if (count == 0) return FormatStatus::Damaged;
  if (count > kMaxFrames) return FormatStatus::TooManyFrames;
  const int frame_bytes = PackedSize(width, height, RowEnd::RunOn);
  if (object.size() != head + qsizetype(count) * frame_bytes) return FormatStatus::Damaged;
  const int duration =
      animated ? ((uchar(object[3]) >> 4) + kShortestTenths) * 100 : kNewFrameDuration;
  Animation read{width, height, {}};
  for (int i = 0; i < count; ++i) {
    const Picture frame = UnpackBits(object.mid(head + i * frame_bytes, frame_bytes), width, height,
                                     BitOrder::LeftmostHigh, RowEnd::RunOn);
    read.frames.push_back({PackedBlock::Of(frame.cells), duration});
  }
  animation = std::move(read);
  return FormatStatus::Ok;
}

}  // namespace

HeaderObject ExtendedObject(int reference, ExtendedObjectType type, const QByteArray& data) {
  const QByteArray head = Octets({reference}) + BigEndian16(int(data.size())) +
                          Octets({kMayBeForwarded, int(type)}) + BigEndian16(kBeforeTheText);
  return {{kExtendedObjectElement, head + data}, kHeadSize};
}

QByteArray BlackAndWhiteBitmap(const Picture& picture) {
  return Octets({picture.width, picture.height}) +
         PackBits(picture, BitOrder::LeftmostHigh, RowEnd::RunOn);
}

QByteArray BlackAndWhiteAnimation(const Animation& animation) {
  QByteArray data = Octets(
      {animation.width, animation.height, animation.Count(), FrameTime(animation) << 4 | kEndless});
  for (int i = 0; i < animation.Count(); ++i)
    data += PackBits(animation.Frame(i), BitOrder::LeftmostHigh, RowEnd::RunOn);
  return data;
}

FormatStatus DecodeExtendedObjectPicture(const QByteArray& data, Animation& animation) {
  if (data.size() < kHeadSize) return FormatStatus::Damaged;
  const int length = uchar(data[1]) << 8 | uchar(data[2]);
  const QByteArray object = data.mid(kHeadSize);
  if (object.size() < length) return FormatStatus::Truncated;
  if (object.size() > length) return FormatStatus::Damaged;
  switch (const auto type = static_cast<unsigned char>(data[4])) {
    case int(ExtendedObjectType::BlackAndWhiteBitmap):
    case int(ExtendedObjectType::BlackAndWhiteAnimation):
      return DecodeBlackAndWhite(ExtendedObjectType(type), object, animation);
    case kGreyBitmap:
    case kColourBitmap:
    case kGreyAnimation:
    case kColourAnimation:
      return FormatStatus::Unsupported;
    default:
      return FormatStatus::NotEmsElement;
  }
}

}  // namespace tochkograf
