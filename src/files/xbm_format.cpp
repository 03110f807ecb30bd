#include "files/xbm_format.h"

#include <QFileInfo>

#include "files/bit_packing.h"

namespace tochkograf {

namespace {

constexpr int kBytesPerLine = 12;

bool IdentifierCharacter(QChar c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
         c == u'_';
}

}  // namespace

QString XbmName(const QString& path) {
  QString name = QFileInfo(path).completeBaseName();
  for (QChar& c : name)
    if (!IdentifierCharacter(c)) c = u'_';
  if (name.isEmpty() || name[0].isDigit()) name.prepend(u'_');
  return name;
}

QByteArray EncodeXbm(const QString& name, int width, int height, const PixelGrid& cells) {
  const QByteArray id = name.toLatin1();
  const QByteArray bits = PackBits(width, height, cells, BitOrder::LeftmostLow, RowEnd::PadToByte);
  QByteArray text = "#define " + id + "_width " + QByteArray::number(width) + "\n#define " + id +
                    "_height " + QByteArray::number(height) + "\nstatic unsigned char " + id +
                    "_bits[] = {";
  for (qsizetype i = 0; i < bits.size(); ++i) {
    text += i % kBytesPerLine == 0 ? "\n   " : " ";
    text +=
        "0x" + QByteArray::number(static_cast<unsigned char>(bits[i]), 16).rightJustified(2, '0');
    if (i + 1 < bits.size()) text += ',';
  }
  return text + " };\n";
}

}  // namespace tochkograf
