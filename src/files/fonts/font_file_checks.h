#pragma once

#include <QString>

#include "files/fonts/font_loading.h"

namespace tochkograf {

// What a bitmap font file may hold, whatever it claims: beyond these a file
// is refused, so a hostile one costs neither the memory nor the time.
inline constexpr int kMaxGlyphSide = 256;
inline constexpr int kMaxGlyphCount = 65536;
// Offsets, bearings, advances and the line's height and depth.
inline constexpr int kMaxFontMetric = 4096;
// The rows of all glyphs together, in bytes.
inline constexpr qint64 kMaxGlyphRowBytes = 32 * 1024 * 1024;

// The message for a font file that can't be read, from why (a clause
// without a capital or a full stop).
QString DamagedFont(const QString& why);

// A font with no message, or no font with that message.
FontLoading FontRefused(const QString& message);

// The font read, its glyphs in order, once its line is a possible one and
// it has a glyph; else no font and the message.
FontLoading FontRead(BitmapFont font);

// The rows of a glyph that many pixels wide, the bits past its width clear.
void ClearPastWidth(QByteArray& rows, int width);

}  // namespace tochkograf
