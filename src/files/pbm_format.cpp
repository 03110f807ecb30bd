#include "files/pbm_format.h"

#include "files/bit_packing.h"

namespace tochkograf {

QByteArray EncodePbm(int width, int height, const PixelGrid& cells) {
  return "P4\n" + QByteArray::number(width) + ' ' + QByteArray::number(height) + '\n' +
         PackBits(width, height, cells, BitOrder::LeftmostHigh, RowEnd::PadToByte);
}

}  // namespace tochkograf
