#include "files/extended_object.h"

#include <algorithm>

#include "files/bit_packing.h"
#include "files/octets.h"

namespace tochkograf {

namespace {

constexpr unsigned char kExtendedObject = 0x14;
constexpr int kMayBeForwarded = 0x00;
constexpr int kBeforeTheText = 0;
constexpr int kHeadSize = 7;  // reference, length, control, type, position
constexpr int kShortestTenths = 1, kLongestTenths = 16;
constexpr int kEndless = 0;

// The frame time of the control octet, its high four bits.
int FrameTime(const Animation& animation) {
  qint64 total = 0;
  for (const AnimationFrame& frame : animation.frames) total += frame.duration;
  const qint64 count = std::max(animation.Count(), 1);
  const auto tenths = int((total + 50 * count) / (100 * count));
  return std::clamp(tenths, kShortestTenths, kLongestTenths) - kShortestTenths;
}

}  // namespace

HeaderObject ExtendedObject(int reference, ExtendedObjectType type, const QByteArray& data) {
  const QByteArray head = Octets({reference}) + BigEndian16(int(data.size())) +
                          Octets({kMayBeForwarded, int(type)}) + BigEndian16(kBeforeTheText);
  return {{kExtendedObject, head + data}, kHeadSize};
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

}  // namespace tochkograf
