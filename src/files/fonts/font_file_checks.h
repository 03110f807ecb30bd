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

// Why a font file can't be read, as the reason after its name, from what
// is wrong (each a clause without a capital or a full stop).
QString DamagedFont(const QString& why);

// No font, and that reason.
FontLoading FontRefused(const QString& reason);

// The font read, its glyphs in order, once its line is a possible one and
// it has a glyph; else no font and the reason.
FontLoading FontRead(BitmapFont font);

// The rows of a glyph that many pixels wide, the bits past its width clear.
void ClearPastWidth(QByteArray& rows, int width);

}  // namespace tochkograf
