#include "files/fonts/gfx_font_writing.h"

#include <map>

#include "files/c_array/c_array_code.h"
#include "files/fonts/char_list.h"
#include "files/fonts/windows_1251.h"

namespace tochkograf {

namespace {

// What GFXglyph's and GFXfont's fields hold.
constexpr int kLargestUnsigned = 255, kSmallestOffset = -128, kLargestOffset = 127;
constexpr qint64 kMostBitmapBytes = 65535;

bool Fits(qint64 value, qint64 least, qint64 most) { return value >= least && value <= most; }

bool FitsGlyph(const FontGlyph& glyph) {
  return Fits(glyph.width, 0, kLargestUnsigned) && Fits(glyph.height, 0, kLargestUnsigned) &&
         Fits(glyph.advance, 0, kLargestUnsigned) &&
         Fits(glyph.left, kSmallestOffset, kLargestOffset) &&
         Fits(glyph.top, kSmallestOffset, kLargestOffset);
}

// The glyph's pixels row after row, with no padding but at its end.
QByteArray PackedBits(const FontGlyph& glyph) {
  QByteArray bytes((glyph.width * glyph.height + 7) / 8, '\0');
  int bit = 0;
  for (int y = 0; y < glyph.height; ++y)
    for (int x = 0; x < glyph.width; ++x, ++bit)
      if (glyph.Ink(x, y)) bytes[bit / 8] = char(bytes[bit / 8] | (0x80 >> (bit % 8)));
  return bytes;
}

QByteArray Hex(int value) { return "0x" + QByteArray::number(value, 16).toUpper(); }

// The glyph's place in a comment: its byte and, where it prints, itself.
QByteArray GlyphComment(int byte, char32_t code) {
  QByteArray comment = "/* " + Hex(byte);
  if (code != char32_t(byte)) comment += ' ' + CodeText(code).toLatin1();
  // A comment must not close early nor hold a character some compilers
  // read as something else.
  if (QChar::isPrint(code) && !QChar::isSpace(code) && code != '*' && code != '/' && code != '\\')
    comment += " '" + QString::fromUcs4(&code, 1).toUtf8() + '\'';
  return comment + " */";
}

QByteArray GlyphLine(qint64 offset, const FontGlyph& glyph, const QByteArray& comment) {
  return QStringLiteral("    {%1, %2, %3, %4, %5, %6}, ")
             .arg(offset, 5)
             .arg(glyph.width, 3)
             .arg(glyph.height, 3)
             .arg(glyph.advance, 3)
             .arg(glyph.left, 4)
             .arg(glyph.top, 4)
             .toLatin1() +
         comment + '\n';
}

// A name as a comment may hold it.
QByteArray CommentSafe(const QString& text) {
  QString safe = text.simplified();
  safe.replace(QStringLiteral("*/"), QStringLiteral("* /"));
  return safe.toUtf8();
}

QByteArray Heading(const BitmapFont& font, const QString& name, int first, int last,
                   qint64 line_height) {
  const QByteArray caption =
      font.name.isEmpty() ? QByteArray() : " «" + CommentSafe(font.name) + "»";
  return "/* Tochkograf: шрифт" + caption + " для библиотеки Adafruit GFX,\n * символов: " +
         QByteArray::number(qint64(font.glyphs.size())) + ", коды " + Hex(first) + ".." +
         Hex(last) + ", высота строки " + QByteArray::number(line_height) +
         " точек.\n"
         " * Символы после 0x7E стоят на своих кодах Windows-1251 (А..я — 0xC0..0xFF,\n"
         " * Ё — 0xA8, ё — 0xB8): печатайте строки в кодировке Windows-1251, а не\n"
         " * UTF-8, например \"\\xCF\\xF0\\xE8\\xE2\\xE5\\xF2\" — «Привет».\n"
         " * Включайте после Adafruit_GFX.h, где объявлены GFXglyph и GFXfont:\n"
         " *     display.setFont(&" +
         name.toLatin1() + ");\n */\n";
}

}  // namespace

QString GfxFontText(const BitmapFont& font, const QString& name, QByteArray& text) {
  if (font.glyphs.empty()) return QStringLiteral("В шрифте нет ни одного из выбранных символов.");
  std::map<int, FontGlyph> placed;
  for (const FontGlyph& glyph : font.glyphs) {
    const std::optional<unsigned char> byte = Windows1251Byte(glyph.code);
    if (!byte)
      return QStringLiteral(
                 "У символа %1 нет кода в Windows-1251, а шрифт GFX хранит символы только по "
                 "этим кодам.")
          .arg(CharacterText(glyph.code));
    placed[*byte] = Trimmed(glyph);
    if (!FitsGlyph(placed[*byte]))
      return QStringLiteral(
                 "Символ %1 слишком велик для шрифта GFX: ширина, высота и шаг — до %2 точек, "
                 "смещения — от %3 до %4.")
          .arg(CharacterText(glyph.code))
          .arg(kLargestUnsigned)
          .arg(kSmallestOffset)
          .arg(kLargestOffset);
  }
  const qint64 line_height = qint64(font.ascent) + font.descent;
  if (!Fits(line_height, 0, kLargestUnsigned))
    return QStringLiteral("Строка шрифта в %1 точек выше, чем берёт шрифт GFX: до %2.")
        .arg(line_height)
        .arg(kLargestUnsigned);
  QByteArray bitmaps, glyphs;
  const int first = placed.begin()->first, last = placed.rbegin()->first;
  for (int byte = first; byte <= last; ++byte) {
    const auto found = placed.find(byte);
    if (found == placed.end()) {
      glyphs += GlyphLine(bitmaps.size(), FontGlyph{}, "/* " + Hex(byte) + " — нет */");
      continue;
    }
    glyphs += GlyphLine(bitmaps.size(), found->second, GlyphComment(byte, found->second.code));
    bitmaps += PackedBits(found->second);
    if (bitmaps.size() > kMostBitmapBytes)
      return QStringLiteral(
                 "Точки шрифта заняли бы больше %1 байтов, а шрифт GFX больше не "
                 "вмещает.")
          .arg(kMostBitmapBytes);
  }
  // C takes no empty array.
  if (bitmaps.isEmpty()) bitmaps += '\0';
  const QByteArray id = name.toLatin1();
  text = Heading(font, name, first, last, line_height) + "#pragma once\n\n#include <stdint.h>\n" +
         kProgmemLines + "\nconst uint8_t " + id + "Bitmaps[] PROGMEM = {\n" +
         FrameLines({bitmaps}) + "};\n\n/* {bitmapOffset, width, height, xAdvance, xOffset, " +
         "yOffset} */\nconst GFXglyph " + id + "Glyphs[] PROGMEM = {\n" + glyphs +
         "};\n\nconst GFXfont " + id + " PROGMEM = {(uint8_t *)" + id + "Bitmaps, (GFXglyph *)" +
         id + "Glyphs, " + Hex(first) + ", " + Hex(last) + ", " + QByteArray::number(line_height) +
         "};\n";
  return {};
}

}  // namespace tochkograf
