#pragma once

#include <QByteArray>
#include <QString>

#include "picture/bitmap_font.h"

namespace tochkograf {

// Every glyph of the font as a header of C for Adafruit's GFX library:
// `nameBitmaps[]`, `nameGlyphs[]` and `const GFXfont name`, each PROGMEM,
// with the types GFXglyph and GFXfont left to the library's gfxfont.h. A
// GFXfont holds one range of 8-bit codes, so each character stands at its
// Windows-1251 byte (windows_1251.h), which the header's comment tells the
// reader to print strings in; a code of the range without a glyph gets an
// empty one that takes no room (no pixels, an advance of 0). Each glyph is
// cut to the box of its ink and its bits packed row after row from its top
// left, the most significant bit first, a row running on into the next
// byte, each glyph from a byte of its own.
// Why nothing can be written, as a sentence, or empty with the header in
// `text`: a font without glyphs; a character without a Windows-1251 byte;
// a glyph larger than GFXglyph's fields hold (255 pixels wide, high and
// forward, offsets -128..127); a line higher than 255; more than 65535
// bytes of pixels. ASSUMPTION: `name` is a C identifier no header of C
// takes.
QString GfxFontText(const BitmapFont& font, const QString& name, QByteArray& text);

}  // namespace tochkograf
