#include "picture/bitmap_font.h"

#include <algorithm>

namespace tochkograf {

namespace {

int RowBytes(int width) { return (width + 7) / 8; }

}  // namespace

bool FontGlyph::Ink(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return false;
  const int at = y * RowBytes(width) + x / 8;
  return at < rows.size() && (static_cast<unsigned char>(rows[at]) & (0x80 >> (x % 8)));
}

QRect FontGlyph::InkBox() const {
  QRect box;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (Ink(x, y)) box |= QRect(left + x, top + y, 1, 1);
  return box;
}

FontGlyph Trimmed(const FontGlyph& glyph) {
  const QRect ink = glyph.InkBox();
  FontGlyph trimmed{glyph.code,
                    glyph.advance,
                    ink.left(),
                    ink.top(),
                    ink.width(),
                    ink.height(),
                    QByteArray(RowBytes(ink.width()) * ink.height(), '\0')};
  if (ink.isEmpty()) return {glyph.code, glyph.advance, 0, 0, 0, 0, {}};
  for (int y = 0; y < ink.height(); ++y)
    for (int x = 0; x < ink.width(); ++x)
      if (glyph.Ink(ink.left() - glyph.left + x, ink.top() - glyph.top + y))
        trimmed.rows[y * RowBytes(ink.width()) + x / 8] |= char(0x80 >> (x % 8));
  return trimmed;
}

const FontGlyph* BitmapFont::Find(char32_t code) const {
  const auto found = std::lower_bound(glyphs.begin(), glyphs.end(), code,
                                      [](const FontGlyph& g, char32_t c) { return g.code < c; });
  return found != glyphs.end() && found->code == code ? &*found : nullptr;
}

void BitmapFont::Sort() {
  const auto by_code = [](const FontGlyph& a, const FontGlyph& b) { return a.code < b.code; };
  std::stable_sort(glyphs.begin(), glyphs.end(), by_code);
  const auto same = [](const FontGlyph& a, const FontGlyph& b) { return a.code == b.code; };
  glyphs.erase(std::unique(glyphs.begin(), glyphs.end(), same), glyphs.end());
}

BitmapFont AsBitmapFont(const PixelFont& font) {
  // The baseline is under the capitals, as H stands on it.
  BitmapFont bitmap{{}, font.cap_top + font.cap_height, 0, {}};
  bitmap.descent = font.height - bitmap.ascent;
  for (std::size_t i = 0; i < font.glyph_count; ++i) {
    const PixelGlyph& pixel = font.glyphs[i];
    FontGlyph glyph{pixel.code,
                    pixel.width,
                    0,
                    -bitmap.ascent,
                    16,
                    font.height,
                    QByteArray(2 * font.height, '\0')};
    for (int y = 0; y < font.height; ++y)
      for (int x = 0; x < 16; ++x)
        if (font.rows[pixel.first_row + y] & (1u << x))
          glyph.rows[2 * y + x / 8] |= char(0x80 >> (x % 8));
    bitmap.glyphs.push_back(Trimmed(glyph));
  }
  bitmap.Sort();
  return bitmap;
}

namespace {

// The box of the capitals against the origin: where `at` puts the text,
// and the outline a missing character is drawn as.
QRect Capitals(const BitmapFont& font) {
  for (const char32_t code : {U'H', U'Н'})
    if (const FontGlyph* glyph = font.Find(code))
      if (const QRect ink = glyph->InkBox(); !ink.isEmpty()) return ink;
  const int height = std::max(font.ascent, 2);
  return {0, -height, std::max(height / 2, 2), height};
}

void AddGlyph(const FontGlyph& glyph, QPoint origin, CellRuns& runs) {
  for (int y = 0; y < glyph.height; ++y) {
    const int row = origin.y() + glyph.top + y;
    for (int x = 0; x < glyph.width; ++x) {
      if (!glyph.Ink(x, y)) continue;
      int last = x;
      while (glyph.Ink(last + 1, y)) ++last;
      runs.push_back({row, origin.x() + glyph.left + x, origin.x() + glyph.left + last});
      x = last;
    }
  }
}

void AddBox(QRect box, CellRuns& runs) {
  for (int y = box.top(); y <= box.bottom(); ++y) {
    if (y == box.top() || y == box.bottom()) {
      runs.push_back({y, box.left(), box.right()});
    } else {
      runs.push_back({y, box.left(), box.left()});
      runs.push_back({y, box.right(), box.right()});
    }
  }
}

}  // namespace

PixelText TextRuns(const QString& text, const BitmapFont& font, QPoint at) {
  PixelText result;
  const QList<uint> codes = text.normalized(QString::NormalizationForm_C).toUcs4();
  const QRect capitals = Capitals(font);
  // The first letter's own left edge and the capitals' top go to `at`.
  int left = capitals.left();
  if (!codes.isEmpty())
    if (const FontGlyph* first = font.Find(codes.front())) left = first->InkBox().left();
  QPoint origin = at - QPoint(left, capitals.top());
  for (const uint code : codes) {
    if (const FontGlyph* glyph = font.Find(code)) {
      AddGlyph(*glyph, origin, result.runs);
      origin.rx() += glyph->advance;
      continue;
    }
    AddBox(capitals.translated(origin), result.runs);
    origin.rx() += capitals.right() + 2;
    const char32_t missing = code;
    const QString character = QString::fromUcs4(&missing, 1);
    if (!result.missing.contains(character)) result.missing.append(character);
  }
  return result;
}

}  // namespace tochkograf
