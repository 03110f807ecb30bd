#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

#include "picture/cell_runs.h"

namespace tochkograf {

// A character of a pixel font: its width in columns (how far the next one
// starts) and where its rows begin in the font's rows.
struct PixelGlyph {
  char32_t code;
  std::uint16_t width;
  std::uint32_t first_row;
};

// A bitmap font made from a BDF file at build time (tools/bdf_fonts): every
// glyph is `height` rows, a row a number whose bit c is column c. The
// capital letters stand in rows cap_top..cap_top + cap_height - 1 and
// columns box_left..box_right, the box an absent character is shown as.
struct PixelFont {
  int height, cap_top, cap_height, box_left, box_right;
  const PixelGlyph* glyphs;  // by code
  std::size_t glyph_count;
  const std::uint16_t* rows;

  const PixelGlyph* Find(char32_t code) const;
};

// The fonts built in, from their BDF files in picture/fonts/.
enum class FontSize : std::uint8_t { kSmall, kNormal, kLarge };
inline constexpr FontSize kFontSizes[] = {FontSize::kSmall, FontSize::kNormal, FontSize::kLarge};
const PixelFont& BuiltInFont(FontSize size);

// A line of text as cells of a font, and the characters the font lacks, each
// once, in the order they come; each of them stands in the text as the
// outline of a capital letter's box.
struct PixelText {
  CellRuns runs;
  QStringList missing;
};

// The text written from cell `at` to the right: `at` is the top-left of
// its first letter, the left edge of that letter's own pixels and the top
// of the font's capital letters (the dots of Ё and the like stand above
// it). Characters made of several code points are joined first, where
// Unicode has one for them. The runs may reach beyond the picture on any
// side.
PixelText TextRuns(const QString& text, const PixelFont& font, QPoint at);

}  // namespace tochkograf
