#pragma once

#include <QByteArray>
#include <QString>

#include "picture/bitmap_font.h"

namespace tochkograf {

// Every glyph of the font as a BDF 2.1 font at the characters' Unicode
// codes, each glyph cut to the box of its ink. Its pixel size is the
// line's height (ascent and descent) at 72 dots an inch, where a point is a
// pixel: SIZE names it, SWIDTH is the advance in thousandths of it. FONT is
// an X11 font name from the font's name (`fallback` where it has none that
// one can hold), "-Tochkograf-Family-Medium-R-Normal--13-130-72-72-P-60-
// ISO10646-1", spaced "M" where every advance is the same; its fields are
// also properties, with FONT_ASCENT, FONT_DESCENT and DEFAULT_CHAR, the
// space where the font has it, else its first character.
// ASSUMPTION: the font has a glyph.
QByteArray BdfFontText(const BitmapFont& font, const QString& fallback);

}  // namespace tochkograf
