#include "files/formats/pbm_format.h"

#include "files/bit_packing.h"

namespace tochkograf {

QByteArray EncodePbm(const Picture& picture) {
  return "P4\n" + QByteArray::number(picture.width) + ' ' + QByteArray::number(picture.height) +
         '\n' + PackBits(picture, BitOrder::LeftmostHigh, RowEnd::PadToByte);
}

}  // namespace tochkograf
