#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

#include "picture/pixel_font.h"

namespace tochkograf {

// A character of a bitmap font as BDF has it: the box of its pixels placed
// against its origin on the baseline, and how far the next origin is.
// `left` is the box's first column from the origin, `top` its first row
// from the baseline (negative above it). The rows are `height` rows of
// (width + 7) / 8 bytes each, the most significant bit of a row's first
// byte its left column.
struct FontGlyph {
  char32_t code = 0;
  int advance = 0;
  int left = 0, top = 0, width = 0, height = 0;
  QByteArray rows;

  bool Ink(int x, int y) const;
  // The box of its ink against the origin, empty when it has none.
  QRect InkBox() const;
};

// The same glyph in the box of its ink alone (an empty box at the origin
// when it has none): what a display's font wants.
FontGlyph Trimmed(const FontGlyph& glyph);

// A bitmap font, or the glyphs of a scalable font drawn at one size: the
// rows a line takes above and below its baseline, and the glyphs in the
// order of their codes.
struct BitmapFont {
  QString name;
  int ascent = 0, descent = 0;
  std::vector<FontGlyph> glyphs;

  const FontGlyph* Find(char32_t code) const;
  // Puts the glyphs in order of their codes, the first of two with one
  // code kept.
  void Sort();
};

// A built-in font as glyphs, each in the box of its ink.
BitmapFont AsBitmapFont(const PixelFont& font);

// The text written from cell `at` in the font, as TextRuns places it with
// a built-in font. The capitals are those of H (else Н, else the font's
// ascent), and a character the font lacks is the outline of their box.
PixelText TextRuns(const QString& text, const BitmapFont& font, QPoint at);

}  // namespace tochkograf
