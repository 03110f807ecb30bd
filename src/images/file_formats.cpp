#include "images/file_formats.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "files/bmp_writer.h"
#include "files/ems_format.h"
#include "files/picture_codecs.h"
#include "images/png_codec.h"

namespace tochkograf {

namespace {

// Writers that cannot refuse a picture the editor holds.
template <QByteArray (*Encode)(const Picture&)>
FormatStatus AlwaysWrites(const Picture& picture, QByteArray& bytes) {
  bytes = Encode(picture);
  return FormatStatus::Ok;
}

// As much as the BMP import reads: rows said to lie beyond it are refused.
constexpr qint64 kBmpReadLimit = 1 << 20;
// A two-colour PNG of the largest picture takes a few hundred bytes; this
// leaves room for any metadata a drawing program adds.
constexpr qint64 kPngReadLimit = 16 << 20;

}  // namespace

const QList<FileFormat>& FileFormats() {
  static const QList<FileFormat> formats = {
      {QStringLiteral("EMS-рисунок"),
       {QStringLiteral("ems")},
       EmsFileSize(kMaxWidth, kMaxHeight),
       ReadEmsPicture,
       AlwaysWrites<WriteEmsPicture>},
      {QStringLiteral("Однобитный BMP"),
       {QStringLiteral("bmp")},
       kBmpReadLimit,
       ReadBmpPicture,
       AlwaysWrites<EncodeBmp>},
      {QStringLiteral("PNG"),
       {QStringLiteral("png")},
       kPngReadLimit,
       ReadPngPicture,
       AlwaysWrites<EncodePng>},
  };
  return formats;
}

const FileFormat* FormatOfName(const QString& file_name) {
  const QString extension = QFileInfo(file_name).suffix().toLower();
  for (const FileFormat& format : FileFormats())
    if (format.extensions.contains(extension)) return &format;
  return nullptr;
}

void UseBuiltInCodecsOnly() { QCoreApplication::setLibraryPaths({}); }

}  // namespace tochkograf
