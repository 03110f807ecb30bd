#include "files/formats/xbm_format.h"

#include "files/bit_packing.h"

namespace tochkograf {

namespace {

constexpr int kBytesPerLine = 12;

}  // namespace

QByteArray EncodeXbm(const Picture& picture, const QString& name) {
  const QByteArray id = name.toLatin1();
  const QByteArray bits = PackBits(picture, BitOrder::LeftmostLow, RowEnd::PadToByte);
  QByteArray text = "#define " + id + "_width " + QByteArray::number(picture.width) + "\n#define " +
                    id + "_height " + QByteArray::number(picture.height) +
                    "\nstatic unsigned char " + id + "_bits[] = {";
  for (qsizetype i = 0; i < bits.size(); ++i) {
    text += i % kBytesPerLine == 0 ? "\n   " : " ";
    text +=
        "0x" + QByteArray::number(static_cast<unsigned char>(bits[i]), 16).rightJustified(2, '0');
    if (i + 1 < bits.size()) text += ',';
  }
  return text + " };\n";
}

}  // namespace tochkograf
