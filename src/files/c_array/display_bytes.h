#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

#include "picture/picture.h"

namespace tochkograf {

// How small displays and their libraries lay a one-bit picture into bytes.
enum class ByteLayout {
  RowsMsbLeft,  // rows of whole bytes, the leftmost pixel in the top bit (Adafruit GFX, ST7920)
  RowsLsbLeft,  // the same rows, the leftmost pixel in the lowest bit (XBM, u8g2 drawXBM)
  PagesLsbTop,  // byte x + (y / 8) * W, bit y % 8 (SSD1306, SH1106, PCD8544 frame buffers)
  PagesMsbTop,  // the same pages with the top pixel in the top bit
};

// What a set bit stands for.
enum class SetBit { Ink, Paper };

// How a layout is named: on the command line ("rows-msb") and to the user
// ("Строки, старший бит слева"), in the order the dialogs offer them.
struct LayoutName {
  ByteLayout layout;
  QString option;
  QString caption;
  QString users;  // the libraries and displays that take it; may be empty
  QString brief;  // the caption where there is little room: "Страницы, младший бит сверху"
};
const QList<LayoutName>& LayoutNames();
const LayoutName& NameOf(ByteLayout layout);
std::optional<ByteLayout> LayoutOfOption(const QString& option);

struct SetBitName {
  SetBit meaning;
  QString option;   // "ink", "paper"
  QString caption;  // "чёрная точка"
};
const QList<SetBitName>& SetBitNames();
const SetBitName& NameOf(SetBit meaning);
std::optional<SetBit> SetBitOfOption(const QString& option);

// The bytes a picture of that size takes in the layout: rows padded to a
// whole byte, pages to a whole 8 rows.
int DisplayByteCount(int width, int height, ByteLayout layout);

// The picture's pixels in the layout. Bits beyond the picture (the padding
// of a row or of the last page) are clear whatever a set bit means.
QByteArray PackDisplayBytes(const Picture& picture, ByteLayout layout, SetBit meaning);

// The picture of `width` x `height` that `bytes` hold in the layout; pixels
// of bytes that are missing are paper. Extra bytes are not looked at.
// ASSUMPTION: the size fits the editor.
Picture UnpackDisplayBytes(const QByteArray& bytes, int width, int height, ByteLayout layout,
                           SetBit meaning);

}  // namespace tochkograf
