#include "files/fonts/freetype_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <memory>

namespace tochkograf {

namespace {

// More glyphs than any font the user can mean for a display, and more
// bytes of them than a display's font ever takes: a whole font drawn large
// stops there.
constexpr int kMostGlyphs = 65536;
constexpr qsizetype kMostGlyphBytes = 16 << 20;

const QString kNotAFont = QStringLiteral("это не файл шрифта или он повреждён");

struct FaceDeleter {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
struct LibraryDeleter {
  void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
using Face = std::unique_ptr<FT_FaceRec_, FaceDeleter>;
using Library = std::unique_ptr<FT_LibraryRec_, LibraryDeleter>;

// A library and one face of the bytes, which must outlive both.
struct OpenFace {
  Library library;
  Face face;
};

std::optional<OpenFace> Open(const QByteArray& bytes, int index) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library)) return std::nullopt;
  OpenFace open{Library(library), nullptr};
  FT_Face face = nullptr;
  if (FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(bytes.constData()), bytes.size(),
                         index, &face))
    return std::nullopt;
  open.face.reset(face);
  return open;
}

// Sets the size: a scalable face so that its line, ascender to descender,
// is `pixels` rows; a face of bitmaps at its strike nearest to that.
// Returns the line's rows above the baseline.
int SetSize(FT_Face face, int pixels, int* descent) {
  if (!FT_IS_SCALABLE(face) && face->num_fixed_sizes > 0) {
    int best = 0;
    for (int i = 1; i < face->num_fixed_sizes; ++i)
      if (std::abs(face->available_sizes[i].height - pixels) <
          std::abs(face->available_sizes[best].height - pixels))
        best = i;
    FT_Select_Size(face, best);
    const int ascent = int(face->size->metrics.ascender >> 6);
    *descent = int(-face->size->metrics.descender >> 6);
    return ascent;
  }
  FT_Size_RequestRec request{FT_SIZE_REQUEST_TYPE_CELL, 0, FT_Long(pixels) << 6, 0, 0};
  FT_Request_Size(face, &request);
  const double line = double(face->ascender) - double(face->descender);
  const int ascent = line > 0 ? int(std::lround(pixels * face->ascender / line)) : pixels;
  *descent = pixels - ascent;
  return ascent;
}

// The glyph drawn in one bit a pixel; with a line of `ascent` and
// `descent` rows, rows beyond it are cut off so that no glyph is taller
// than the size asked.
std::optional<FontGlyph> Draw(FT_Face face, char32_t code, int ascent, int descent) {
  const FT_UInt index = FT_Get_Char_Index(face, code);
  if (!index || FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO))
    return std::nullopt;
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO && bitmap.rows && bitmap.width) return std::nullopt;
  FontGlyph glyph{code,
                  int((slot->advance.x + 32) >> 6),
                  slot->bitmap_left,
                  -slot->bitmap_top,
                  int(bitmap.width),
                  int(bitmap.rows),
                  {}};
  const int first = std::max(0, -ascent - glyph.top);
  const int last = std::min(glyph.height, descent - glyph.top);
  if (last <= first) return FontGlyph{code, glyph.advance, 0, 0, 0, 0, {}};
  const int row_bytes = (glyph.width + 7) / 8;
  for (int y = first; y < last; ++y)
    glyph.rows.append(reinterpret_cast<const char*>(bitmap.buffer) + y * bitmap.pitch, row_bytes);
  glyph.top += first;
  glyph.height = last - first;
  return glyph;
}

QList<char32_t> EveryCode(FT_Face face) {
  QList<char32_t> codes;
  FT_UInt index = 0;
  for (FT_ULong code = FT_Get_First_Char(face, &index); index && codes.size() < kMostGlyphs;
       code = FT_Get_Next_Char(face, code, &index))
    codes.append(char32_t(code));
  return codes;
}

}  // namespace

FontLoading DrawWithFreeType(const QByteArray& bytes, int face_index, int pixel_size,
                             const QList<char32_t>& codes) {
  std::optional<OpenFace> open = Open(bytes, face_index);
  if (!open) return {std::nullopt, kNotAFont};
  FT_Face face = open->face.get();
  FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  pixel_size = std::clamp(pixel_size, kSmallestFontPixels, kLargestFontPixels);
  BitmapFont font;
  font.name = QString::fromUtf8(face->family_name);
  font.ascent = SetSize(face, pixel_size, &font.descent);
  // H and Н place the text, so they come first.
  const QList<char32_t> wanted =
      QList<char32_t>{U'H', U'Н'} + (codes.isEmpty() ? EveryCode(face) : codes);
  qsizetype bytes_drawn = 0;
  for (const char32_t code : wanted) {
    if (std::optional<FontGlyph> glyph = Draw(face, code, font.ascent, font.descent)) {
      bytes_drawn += glyph->rows.size();
      font.glyphs.push_back(std::move(*glyph));
    }
    if (bytes_drawn > kMostGlyphBytes) break;
  }
  font.Sort();
  return {std::move(font), {}};
}

std::optional<FontChoice> FreeTypeChoice(const QByteArray& bytes, const QString& path,
                                         QString* error) {
  std::optional<OpenFace> open = Open(bytes, 0);
  if (!open) {
    if (error) *error = kNotAFont;
    return std::nullopt;
  }
  const FT_Face face = open->face.get();
  FontChoice choice;
  choice.file = path;
  choice.scalable = FT_IS_SCALABLE(face);
  QString caption = QString::fromUtf8(face->family_name ? face->family_name : "");
  if (face->style_name && qstrcmp(face->style_name, "Regular"))
    caption += QLatin1Char(' ') + QString::fromUtf8(face->style_name);
  if (!choice.scalable && face->num_fixed_sizes > 0) {
    choice.pixel_size = face->available_sizes[0].height;
    caption = SizedCaption(caption.trimmed(), choice.pixel_size);
  }
  choice.caption = caption.trimmed().isEmpty() ? QFileInfo(path).fileName() : caption.trimmed();
  return choice;
}

}  // namespace tochkograf
