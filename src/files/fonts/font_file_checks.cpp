#include "files/fonts/font_file_checks.h"

#include <cstdlib>

namespace tochkograf {

QString DamagedFont(const QString& why) { return QStringLiteral("шрифт повреждён — %1").arg(why); }

FontLoading FontRefused(const QString& reason) { return {std::nullopt, reason}; }

FontLoading FontRead(BitmapFont font) {
  if (std::abs(font.ascent) > kMaxFontMetric || std::abs(font.descent) > kMaxFontMetric)
    return FontRefused(DamagedFont(QStringLiteral("высота строки невозможна")));
  font.Sort();
  if (font.glyphs.empty())
    return FontRefused(DamagedFont(QStringLiteral("в нём нет ни одного знака")));
  return {std::move(font), {}};
}

void ClearPastWidth(QByteArray& rows, int width) {
  const int row_bytes = (width + 7) / 8;
  if (width % 8 == 0 || row_bytes == 0) return;
  const char keep = static_cast<char>(0xff00 >> (width % 8));
  for (qsizetype at = row_bytes - 1; at < rows.size(); at += row_bytes) rows[at] &= keep;
}

}  // namespace tochkograf
