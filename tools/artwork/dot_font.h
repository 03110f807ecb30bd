#pragma once

#include <QChar>
#include <array>

namespace artwork {

// A 5 x 7 dot-matrix glyph, one row a string, '#' for a lit dot.
using Glyph = std::array<const char*, 7>;

constexpr int kGlyphColumns = 5;
constexpr int kGlyphRows = 7;

// The glyph of `c`; only the letters the logo and the icon use are drawn,
// any other character is blank.
const Glyph& DotGlyph(QChar c);

}  // namespace artwork
