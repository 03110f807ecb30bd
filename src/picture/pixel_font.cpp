#include "picture/pixel_font.h"

#include <algorithm>

#include "picture/bitmap_font.h"

namespace tochkograf {

const PixelGlyph* PixelFont::Find(char32_t code) const {
  const PixelGlyph* end = glyphs + glyph_count;
  const PixelGlyph* found = std::lower_bound(
      glyphs, end, code, [](const PixelGlyph& g, char32_t c) { return g.code < c; });
  return found != end && found->code == code ? found : nullptr;
}

PixelText TextRuns(const QString& text, const PixelFont& font, QPoint at) {
  return TextRuns(text, AsBitmapFont(font), at);
}

}  // namespace tochkograf
