#include "files/fonts/bitmap_font_reading.h"

#include "files/fonts/bdf_reading.h"
#include "files/fonts/font_file_checks.h"
#include "files/fonts/gzip_unwrap.h"
#include "files/fonts/pcf_reading.h"

namespace tochkograf {

namespace {

bool IsPcf(const QByteArray& bytes) {
  return bytes.startsWith(
      "\x01"
      "fcp");
}

bool IsBdf(const QByteArray& bytes) {
  // Some editors put the byte-order mark of UTF-8 before the first line.
  const QByteArray start = bytes.startsWith("\xef\xbb\xbf") ? bytes.mid(3, 64) : bytes.left(64);
  return start.trimmed().startsWith("STARTFONT");
}

}  // namespace

FontLoading ReadBitmapFont(const QByteArray& bytes) {
  if (IsPcf(bytes)) return ReadPcf(bytes);
  if (IsBdf(bytes)) return ReadBdf(bytes.startsWith("\xef\xbb\xbf") ? bytes.mid(3) : bytes);
  if (!IsGzip(bytes)) return {};
  QString error;
  const auto unwrapped = UnwrapGzip(bytes, &error);
  if (!unwrapped) return FontRefused(error);
  if (IsPcf(*unwrapped)) return ReadPcf(*unwrapped);
  if (IsBdf(*unwrapped)) return ReadBdf(*unwrapped);
  return FontRefused(QStringLiteral("в сжатом файле нет шрифта BDF или PCF"));
}

}  // namespace tochkograf
