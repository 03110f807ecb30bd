#include "cli/font_export_command.h"

#include <QFileInfo>

#include "files/fonts/char_list.h"
#include "files/fonts/font_export.h"
#include "files/fonts/font_loading.h"
#include "files/fonts/installed_fonts.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

// How many of the characters a font lacks the note names.
constexpr int kMissingNamed = 8;

Outcome Failed(QString line) {
  if (line.endsWith(u'.')) line.chop(1);
  // The sentences of the export start a line of their own in a window.
  if (!line.isEmpty() && !line.startsWith(u'«')) line[0] = line[0].toLower();
  return {1, {}, QStringLiteral("tochkograf: %1.\n").arg(line)};
}

// The same installed bitmap face at `pixels`, where there is one.
std::optional<FontChoice> SizeOf(const FontChoice& face, int pixels) {
  const QString caption = face.caption.section(QStringLiteral(", "), 0, 0);
  for (const FontChoice& installed : InstalledFonts())
    if (!installed.scalable && installed.pixel_size == pixels &&
        installed.caption.section(QStringLiteral(", "), 0, 0) == caption)
      return installed;
  return std::nullopt;
}

// The font FONT names: its file, or an installed family where no file has
// that name, a bitmap one at `pixels` where it has that size.
std::optional<FontChoice> NamedFont(const QString& name, int pixels, QString* error) {
  if (QFileInfo::exists(name) || name.contains(u'/')) return ChoiceOfFile(name, error);
  if (std::optional<FontChoice> installed = InstalledFontNamed(name)) {
    if (installed->scalable || pixels == 0 || installed->pixel_size == pixels) return installed;
    return SizeOf(*installed, pixels).value_or(*installed);
  }
  *error = QStringLiteral("%1: нет ни такого файла, ни установленного шрифта этого семейства")
               .arg(Quoted(name));
  return std::nullopt;
}

// The note on the characters of `codes` the font lacks, or nothing.
QString MissingNote(const BitmapFont& font, const QList<char32_t>& codes, const QString& name) {
  QStringList named;
  qsizetype missing = 0;
  for (const char32_t code : codes)
    if (!font.Find(code) && ++missing <= kMissingNamed) named << CharacterText(code);
  if (missing == 0) return {};
  if (missing > kMissingNamed) named << QStringLiteral("… (всего %1)").arg(missing);
  return QStringLiteral("tochkograf: в шрифте %1 нет символов %2; записаны остальные.\n")
      .arg(Quoted(ShownName(name)), named.join(QStringLiteral(", ")));
}

}  // namespace

QString ReadFontPixels(const QString& value, int& pixels) {
  bool number = false;
  const int read = value.toInt(&number);
  if (!number || read < kSmallestFontPixels || read > kLargestFontPixels)
    return QStringLiteral("--size с --font-export ждёт высоту строки в точках от %1 до %2, а не %3")
        .arg(kSmallestFontPixels)
        .arg(kLargestFontPixels)
        .arg(Quoted(value));
  pixels = read;
  return {};
}

Outcome ExportFontFile(const CommandLine& command) {
  const QString list = command.chars.value_or(QString::fromLatin1(kDefaultFontChars));
  QString error;
  const std::optional<QList<char32_t>> codes = ParseCharList(list, &error);
  if (!codes) return Failed(QStringLiteral("список символов %1: %2").arg(Quoted(list), error));
  std::optional<FontChoice> choice = NamedFont(command.in, command.font_pixels, &error);
  if (!choice) return Failed(error);
  if (choice->scalable) {
    choice->pixel_size = command.font_pixels > 0 ? command.font_pixels : kDefaultFontPixels;
  } else if (command.font_pixels > 0 && command.font_pixels != choice->pixel_size) {
    return Failed(QStringLiteral("%1 — растровый шрифт высотой %2 точек, другого размера (--size "
                                 "%3) у него нет")
                      .arg(Quoted(ShownName(command.in)))
                      .arg(choice->pixel_size)
                      .arg(command.font_pixels));
  }
  const FontLoading loading = LoadFont(*choice, *codes);
  if (!loading.font) return Failed(loading.error);
  if (const QString refusal = ExportFont(*loading.font, *codes, command.out); !refusal.isEmpty())
    return Failed(refusal);
  return {0, {}, MissingNote(*loading.font, *codes, command.in)};
}

}  // namespace tochkograf
