#include "files/fonts/font_loading.h"

#include <QFileInfo>

#include "files/disk/file_access.h"
#include "files/fonts/bitmap_font_reading.h"
#include "files/fonts/freetype_font.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

// Larger than the largest font of many scripts, small enough to hold.
constexpr qint64 kLargestFontFile = 64 << 20;

// The file's bytes, or the reason they could not be read.
std::optional<QByteArray> FontBytes(const QString& path, QString* error) {
  QByteArray bytes;
  const FileStatus status = ReadFileHead(path, kLargestFontFile + 1, bytes);
  QString reason;
  if (status != FileStatus::Ok)
    reason = ReadFailureReason(status);
  else if (bytes.size() > kLargestFontFile)
    reason = QStringLiteral("файл шрифта слишком велик");
  if (reason.isEmpty()) return bytes;
  if (error) *error = FileReasonLine(path, reason);
  return std::nullopt;
}

// The font the bytes hold, whatever its kind: BDF and PCF (gzipped or not)
// are read here, the rest by FreeType.
FontLoading FontOfBytes(const QByteArray& bytes, const FontChoice& choice,
                        const QList<char32_t>& codes) {
  FontLoading bitmap = ReadBitmapFont(bytes);
  if (bitmap.font || !bitmap.error.isEmpty()) return bitmap;
  return DrawWithFreeType(bytes, choice.face, choice.pixel_size, codes);
}

// A bitmap font's caption from its X11 name ("-Misc-Fixed-Bold-R-Normal--13-..."):
// its family, with the weight and width where they are not the usual, and
// its size; the name as it is when it is no such name.
QString BitmapCaption(const BitmapFont& font, const QString& path) {
  const QStringList fields = font.name.split(u'-');
  QString caption = font.name.trimmed();
  if (fields.size() >= 15 && fields[0].isEmpty()) {
    QStringList words{fields[2]};
    if (fields[3].compare(QLatin1String("medium"), Qt::CaseInsensitive) != 0) words << fields[3];
    if (fields[5].compare(QLatin1String("normal"), Qt::CaseInsensitive) != 0) words << fields[5];
    caption = words.join(u' ').trimmed();
  }
  if (caption.isEmpty()) caption = QFileInfo(path).fileName();
  return SizedCaption(caption, font.ascent + font.descent);
}

}  // namespace

FontLoading LoadFont(const FontChoice& choice, const QList<char32_t>& codes) {
  if (choice.IsBuiltIn()) return {AsBitmapFont(BuiltInFont(choice.built_in)), {}};
  QString error;
  const std::optional<QByteArray> bytes = FontBytes(choice.file, &error);
  if (!bytes) return {std::nullopt, error};
  FontLoading loading = FontOfBytes(*bytes, choice, codes);
  if (!loading.font) loading.error = FileReasonLine(choice.file, loading.error);
  return loading;
}

std::optional<FontChoice> ChoiceOfFile(const QString& path, QString* error) {
  const std::optional<QByteArray> bytes = FontBytes(path, error);
  if (!bytes) return std::nullopt;
  const FontLoading bitmap = ReadBitmapFont(*bytes);
  QString reason = bitmap.error;
  std::optional<FontChoice> choice;
  if (bitmap.font) {
    choice = FontChoice{};
    choice->file = path;
    choice->pixel_size = bitmap.font->ascent + bitmap.font->descent;
    choice->caption = BitmapCaption(*bitmap.font, path);
  } else if (reason.isEmpty()) {
    choice = FreeTypeChoice(*bytes, path, &reason);
  }
  if (!choice && error) *error = FileReasonLine(path, reason);
  return choice;
}

}  // namespace tochkograf
