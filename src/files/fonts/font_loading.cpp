#include "files/fonts/font_loading.h"

#include "files/disk/file_access.h"
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

// The font the bytes hold, whatever its kind.
FontLoading FontOfBytes(const QByteArray& bytes, const FontChoice& choice,
                        const QList<char32_t>& codes) {
  return DrawWithFreeType(bytes, choice.face, choice.pixel_size, codes);
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
  QString reason;
  std::optional<FontChoice> choice = FreeTypeChoice(*bytes, path, &reason);
  if (!choice && error) *error = FileReasonLine(path, reason);
  return choice;
}

}  // namespace tochkograf
