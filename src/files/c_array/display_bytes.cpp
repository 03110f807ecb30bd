#include "files/c_array/display_bytes.h"

namespace tochkograf {

namespace {

// Where one pixel (x, y from 0) lies in the layout: its byte and the bit's
// value in it.
struct BitPlace {
  int byte;
  int mask;
};

BitPlace PlaceOf(int x, int y, int width, ByteLayout layout) {
  const int row_bytes = (width + 7) / 8;
  switch (layout) {
    case ByteLayout::RowsMsbLeft:
      return {y * row_bytes + x / 8, 0x80 >> (x % 8)};
    case ByteLayout::RowsLsbLeft:
      return {y * row_bytes + x / 8, 1 << (x % 8)};
    case ByteLayout::PagesLsbTop:
      return {x + (y / 8) * width, 1 << (y % 8)};
    case ByteLayout::PagesMsbTop:
      return {x + (y / 8) * width, 0x80 >> (y % 8)};
  }
  return {};
}

template <typename Name, typename Key>
const Name& Find(const QList<Name>& names, Key key, Key Name::*member) {
  for (const Name& name : names)
    if (name.*member == key) return name;
  return names.first();
}

}  // namespace

const QList<LayoutName>& LayoutNames() {
  static const QList<LayoutName> names = {
      {ByteLayout::RowsMsbLeft, QStringLiteral("rows-msb"),
       QStringLiteral("Строки, старший бит слева"),
       QStringLiteral("Adafruit GFX drawBitmap, ST7920"),
       QStringLiteral("Строки, старший бит слева")},
      {ByteLayout::RowsLsbLeft, QStringLiteral("rows-lsb"),
       QStringLiteral("Строки, младший бит слева"), QStringLiteral("XBM, u8g2 drawXBM"),
       QStringLiteral("Строки, младший бит слева")},
      {ByteLayout::PagesLsbTop, QStringLiteral("pages-lsb"),
       QStringLiteral("Страницы по 8 строк, младший бит сверху"),
       QStringLiteral("память SSD1306, SH1106, PCD8544"),
       QStringLiteral("Страницы, младший бит сверху")},
      {ByteLayout::PagesMsbTop, QStringLiteral("pages-msb"),
       QStringLiteral("Страницы по 8 строк, старший бит сверху"), QString(),
       QStringLiteral("Страницы, старший бит сверху")},
  };
  return names;
}

const LayoutName& NameOf(ByteLayout layout) {
  return Find(LayoutNames(), layout, &LayoutName::layout);
}

std::optional<ByteLayout> LayoutOfOption(const QString& option) {
  for (const LayoutName& name : LayoutNames())
    if (name.option == option) return name.layout;
  return std::nullopt;
}

const QList<SetBitName>& SetBitNames() {
  static const QList<SetBitName> names = {
      {SetBit::Ink, QStringLiteral("ink"), QStringLiteral("чёрная точка")},
      {SetBit::Paper, QStringLiteral("paper"), QStringLiteral("белая точка")},
  };
  return names;
}

const SetBitName& NameOf(SetBit meaning) {
  return Find(SetBitNames(), meaning, &SetBitName::meaning);
}

std::optional<SetBit> SetBitOfOption(const QString& option) {
  for (const SetBitName& name : SetBitNames())
    if (name.option == option) return name.meaning;
  return std::nullopt;
}

int DisplayByteCount(int width, int height, ByteLayout layout) {
  const bool rows = layout == ByteLayout::RowsMsbLeft || layout == ByteLayout::RowsLsbLeft;
  return rows ? (width + 7) / 8 * height : width * ((height + 7) / 8);
}

QByteArray PackDisplayBytes(const Picture& picture, ByteLayout layout, SetBit meaning) {
  QByteArray bytes(DisplayByteCount(picture.width, picture.height, layout), '\0');
  const bool ink_set = meaning == SetBit::Ink;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      if ((picture.cells(x + 1, y + 1) != kOff) != ink_set) continue;
      const BitPlace place = PlaceOf(x, y, picture.width, layout);
      bytes[place.byte] = static_cast<char>(bytes[place.byte] | place.mask);
    }
  return bytes;
}

Picture UnpackDisplayBytes(const QByteArray& bytes, int width, int height, ByteLayout layout,
                           SetBit meaning) {
  Picture picture{width, height, {}};
  const bool ink_set = meaning == SetBit::Ink;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const BitPlace place = PlaceOf(x, y, width, layout);
      if (place.byte >= bytes.size()) continue;
      const bool set = static_cast<unsigned char>(bytes[place.byte]) & place.mask;
      picture.cells(x + 1, y + 1) = set == ink_set ? kOn : kOff;
    }
  return picture;
}

}  // namespace tochkograf
