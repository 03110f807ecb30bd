#include "picture/pixel_font.h"

#include <algorithm>
#include <bit>

namespace tochkograf {

const PixelGlyph* PixelFont::Find(char32_t code) const {
  const PixelGlyph* end = glyphs + glyph_count;
  const PixelGlyph* found = std::lower_bound(
      glyphs, end, code, [](const PixelGlyph& g, char32_t c) { return g.code < c; });
  return found != end && found->code == code ? found : nullptr;
}

namespace {

// The leftmost column any row of the glyph sets, or none.
int FirstInkColumn(const PixelFont& font, const PixelGlyph& glyph) {
  int first = -1;
  for (int r = 0; r < font.height; ++r) {
    const std::uint16_t row = font.rows[glyph.first_row + r];
    if (row && (first < 0 || std::countr_zero(row) < first)) first = std::countr_zero(row);
  }
  return first;
}

void AddGlyph(const PixelFont& font, const PixelGlyph& glyph, QPoint top_left, CellRuns& runs) {
  for (int r = 0; r < font.height; ++r) {
    unsigned row = font.rows[glyph.first_row + r];
    while (row) {
      const int first = std::countr_zero(row), length = std::countr_one(row >> first);
      runs.push_back({top_left.y() + r, top_left.x() + first, top_left.x() + first + length - 1});
      row &= ~(((1u << length) - 1) << first);
    }
  }
}

void AddBox(const PixelFont& font, QPoint top_left, CellRuns& runs) {
  const int top = top_left.y() + font.cap_top, bottom = top + font.cap_height - 1;
  const int left = top_left.x() + font.box_left, right = top_left.x() + font.box_right;
  for (int y = top; y <= bottom; ++y) {
    if (y == top || y == bottom) {
      runs.push_back({y, left, right});
    } else {
      runs.push_back({y, left, left});
      runs.push_back({y, right, right});
    }
  }
}

}  // namespace

PixelText TextRuns(const QString& text, const PixelFont& font, QPoint at) {
  PixelText result;
  const QList<uint> codes = text.normalized(QString::NormalizationForm_C).toUcs4();
  // The first letter's own left edge and the capitals' top go to `at`.
  int left = font.box_left;
  if (!codes.isEmpty())
    if (const PixelGlyph* first = font.Find(codes.front()))
      left = std::max(FirstInkColumn(font, *first), 0);
  QPoint top_left = at - QPoint(left, font.cap_top);
  const int box_width = font.box_right + 2;
  for (const uint code : codes) {
    if (const PixelGlyph* glyph = font.Find(code)) {
      AddGlyph(font, *glyph, top_left, result.runs);
      top_left.rx() += glyph->width;
      continue;
    }
    AddBox(font, top_left, result.runs);
    top_left.rx() += box_width;
    const char32_t missing = code;
    const QString character = QString::fromUcs4(&missing, 1);
    if (!result.missing.contains(character)) result.missing.append(character);
  }
  return result;
}

}  // namespace tochkograf
