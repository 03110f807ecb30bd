#include "files/extended_object.h"

#include "files/bit_packing.h"
#include "files/octets.h"

namespace tochkograf {

namespace {

constexpr unsigned char kExtendedObject = 0x14;
constexpr int kMayBeForwarded = 0x00;
constexpr int kBeforeTheText = 0;
constexpr int kHeadSize = 7;  // reference, length, control, type, position

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

}  // namespace tochkograf
