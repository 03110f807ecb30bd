#include "files/fonts/bdf_writing.h"

#include <QRect>
#include <cmath>

namespace tochkograf {

namespace {

// A point is a pixel at this resolution, which makes the sizes plain.
constexpr int kDotsPerInch = 72;

// The font's name as an X11 name's field may hold it: printable ASCII
// without the characters such names are made of and matched by.
QString FamilyName(const QString& name, const QString& fallback) {
  QString family;
  for (const QChar c : name)
    if (c.unicode() >= 0x20 && c.unicode() < 0x7F && !QStringLiteral("-?*,\"").contains(c))
      family += c;
  family = family.simplified();
  return family.isEmpty() ? fallback : family;
}

QByteArray Number(qint64 value) { return QByteArray::number(value); }

// The box's offsets as BDF counts them: from the origin, upwards to its
// bottom row.
QByteArray Box(const QRect& box) {
  return Number(box.width()) + ' ' + Number(box.height()) + ' ' + Number(box.left()) + ' ' +
         Number(-(box.top() + box.height()));
}

QByteArray GlyphText(const FontGlyph& glyph, qint64 pixel_size) {
  const FontGlyph trimmed = Trimmed(glyph);
  const QByteArray hex = QByteArray::number(qulonglong(glyph.code), 16).toUpper();
  const QByteArray name = glyph.code > 0xFFFF ? "u" + hex : "uni" + hex.rightJustified(4, '0');
  const qint64 swidth = std::llround(glyph.advance * 1000.0 / pixel_size);
  QByteArray text = "STARTCHAR " + name + "\nENCODING " + Number(glyph.code) + "\nSWIDTH " +
                    Number(swidth) + " 0\nDWIDTH " + Number(glyph.advance) + " 0\nBBX " +
                    Box({trimmed.left, trimmed.top, trimmed.width, trimmed.height}) + "\nBITMAP\n";
  const int row_bytes = (trimmed.width + 7) / 8;
  for (int y = 0; y < trimmed.height; ++y)
    text += trimmed.rows.mid(qsizetype(y) * row_bytes, row_bytes).toHex().toUpper() + '\n';
  return text + "ENDCHAR\n";
}

QByteArray Quoted(const QString& text) { return '"' + text.toLatin1() + '"'; }

}  // namespace

QByteArray BdfFontText(const BitmapFont& font, const QString& fallback) {
  const qint64 pixel_size = std::max<qint64>(1, qint64(font.ascent) + font.descent);
  QRect bounds;
  qint64 advances = 0;
  bool same_advance = true;
  for (const FontGlyph& glyph : font.glyphs) {
    bounds |= glyph.InkBox();
    advances += glyph.advance;
    same_advance = same_advance && glyph.advance == font.glyphs.front().advance;
  }
  const QString family = FamilyName(font.name, FamilyName(fallback, QStringLiteral("Font")));
  const QByteArray spacing = same_advance ? "M" : "P";
  const qint64 average =
      font.glyphs.empty() ? 0 : std::llround(advances * 10.0 / qint64(font.glyphs.size()));
  const FontGlyph* space = font.Find(U' ');
  const qint64 default_char = space ? ' ' : font.glyphs.empty() ? 0 : font.glyphs.front().code;
  const QByteArray size = Number(pixel_size), dpi = Number(kDotsPerInch),
                   points = Number(qint64(pixel_size) * 10);
  const QByteArray name = "-Tochkograf-" + family.toLatin1() + "-Medium-R-Normal--" + size + '-' +
                          points + '-' + dpi + '-' + dpi + '-' + spacing + '-' + Number(average) +
                          "-ISO10646-1";
  const QList<QByteArray> properties = {
      "FOUNDRY \"Tochkograf\"",
      "FAMILY_NAME " + Quoted(family),
      "WEIGHT_NAME \"Medium\"",
      "SLANT \"R\"",
      "SETWIDTH_NAME \"Normal\"",
      "ADD_STYLE_NAME \"\"",
      "PIXEL_SIZE " + size,
      "POINT_SIZE " + points,
      "RESOLUTION_X " + dpi,
      "RESOLUTION_Y " + dpi,
      "SPACING \"" + spacing + '"',
      "AVERAGE_WIDTH " + Number(average),
      "CHARSET_REGISTRY \"ISO10646\"",
      "CHARSET_ENCODING \"1\"",
      "FONT_ASCENT " + Number(font.ascent),
      "FONT_DESCENT " + Number(font.descent),
      "DEFAULT_CHAR " + Number(default_char),
  };
  QByteArray text = "STARTFONT 2.1\nFONT " + name + "\nSIZE " + size + ' ' + dpi + ' ' + dpi +
                    "\nFONTBOUNDINGBOX " + Box(bounds) + "\nSTARTPROPERTIES " +
                    Number(properties.size()) + '\n';
  for (const QByteArray& property : properties) text += property + '\n';
  text += "ENDPROPERTIES\nCHARS " + Number(qint64(font.glyphs.size())) + '\n';
  for (const FontGlyph& glyph : font.glyphs) text += GlyphText(glyph, pixel_size);
  return text + "ENDFONT\n";
}

}  // namespace tochkograf
