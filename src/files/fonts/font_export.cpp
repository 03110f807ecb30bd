#include "files/fonts/font_export.h"

#include <QFileInfo>

#include "files/c_array/c_identifier.h"
#include "files/c_array/c_names.h"
#include "files/disk/safe_save.h"
#include "files/fonts/bdf_writing.h"
#include "files/fonts/gfx_font_writing.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

enum class FontType { None, Gfx, Bdf };

FontType TypeOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix();
  if (suffix.compare(QStringLiteral("h"), Qt::CaseInsensitive) == 0) return FontType::Gfx;
  if (suffix.compare(QStringLiteral("bdf"), Qt::CaseInsensitive) == 0) return FontType::Bdf;
  return FontType::None;
}

// The font's name in C, from the file's: one a header of C or the
// library's own would not clash with.
QString GfxName(const QString& path) {
  QString name = CIdentifierFromFileName(path);
  if (TakenCName(name) || name == QStringLiteral("GFXfont") || name == QStringLiteral("GFXglyph"))
    name += u'_';
  return name;
}

// The font's glyphs of `codes`, in the order of their codes.
BitmapFont Chosen(const BitmapFont& font, const QList<char32_t>& codes) {
  BitmapFont chosen{font.name, font.ascent, font.descent, {}};
  for (const char32_t code : codes)
    if (const FontGlyph* glyph = font.Find(code)) chosen.glyphs.push_back(*glyph);
  chosen.Sort();
  return chosen;
}

}  // namespace

bool IsFontExportPath(const QString& path) { return TypeOf(path) != FontType::None; }

QString ExportFont(const BitmapFont& font, const QList<char32_t>& codes, const QString& path) {
  const FontType type = TypeOf(path);
  if (type == FontType::None)
    return QStringLiteral("Шрифт записывается в файл .h (Adafruit GFX) или .bdf, а не %1.")
        .arg(Quoted(QFileInfo(path).fileName()));
  const BitmapFont chosen = Chosen(font, codes);
  if (chosen.glyphs.empty()) return QStringLiteral("В шрифте нет ни одного из выбранных символов.");
  QByteArray bytes;
  if (type == FontType::Bdf) {
    bytes = BdfFontText(chosen, QFileInfo(path).completeBaseName());
  } else if (const QString refusal = GfxFontText(chosen, GfxName(path), bytes);
             !refusal.isEmpty()) {
    return refusal;
  }
  const FileStatus status = SaveWhole(path, bytes);
  if (status == FileStatus::Ok) return {};
  return QStringLiteral("Не удалось записать %1: %2.")
      .arg(Quoted(ShownName(path)), WriteFailureReason(status));
}

}  // namespace tochkograf
