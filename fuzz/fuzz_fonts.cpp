// Feeds arbitrary bytes to the bitmap fonts' reader, as opening a font file
// does: the result is a font or a message, never both; a font has glyphs,
// each in order of its code, with a box no larger than a glyph may be, rows
// that fill it exactly and no ink past its width, and a line of a possible
// height.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "files/fonts/bitmap_font_reading.h"
#include "files/fonts/font_file_checks.h"

using namespace tochkograf;

namespace {

void CheckGlyph(const FontGlyph& glyph) {
  if (glyph.width < 0 || glyph.height < 0 || glyph.width > kMaxGlyphSide ||
      glyph.height > kMaxGlyphSide || glyph.code > 0x10FFFF)
    std::abort();
  const int row_bytes = (glyph.width + 7) / 8;
  if (glyph.rows.size() != qsizetype(row_bytes) * glyph.height) std::abort();
  if (glyph.width % 8 == 0) return;
  for (int y = 0; y < glyph.height; ++y)
    if (static_cast<unsigned char>(glyph.rows[(y + 1) * row_bytes - 1]) &
        (0xff >> (glyph.width % 8)))
      std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const FontLoading read = ReadBitmapFont(bytes);
  if (!read.font) return 0;
  if (!read.error.isEmpty()) std::abort();
  const BitmapFont& font = *read.font;
  if (font.glyphs.empty() || font.glyphs.size() > std::size_t(kMaxGlyphCount) ||
      std::abs(font.ascent) > kMaxFontMetric || std::abs(font.descent) > kMaxFontMetric)
    std::abort();
  for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
    CheckGlyph(font.glyphs[i]);
    if (i > 0 && font.glyphs[i - 1].code >= font.glyphs[i].code) std::abort();
  }
  return 0;
}
