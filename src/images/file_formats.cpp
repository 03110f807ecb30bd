#include "images/file_formats.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "files/bmp_writer.h"
#include "files/ems_format.h"
#include "files/picture_codecs.h"
#include "images/png_codec.h"

namespace tochkograf {

namespace {

// Writers that cannot refuse a picture the editor holds and need no name.
template <QByteArray (*Encode)(const Picture&)>
FormatStatus AlwaysWrites(const Picture& picture, const QString&, QByteArray& bytes) {
  bytes = Encode(picture);
  return FormatStatus::Ok;
}

// As much as the BMP import reads: rows said to lie beyond it are refused.
constexpr qint64 kBmpReadLimit = 1 << 20;
// A two-colour PNG of the largest picture takes a few hundred bytes; this
// leaves room for any metadata a drawing program adds.
constexpr qint64 kPngReadLimit = 16 << 20;
// The longer header and the pixels of the largest bitmap the editor holds.
constexpr qint64 kOtbReadLimit = 6 + kMaxWidth * kMaxHeight / 8;

}  // namespace

const QList<FileFormat>& FileFormats() {
  static const QList<FileFormat> formats = {
      {QStringLiteral("EMS-рисунок"),
       {QStringLiteral("ems")},
       EmsFileSize(kMaxWidth, kMaxHeight),
       ReadEmsPicture,
       AlwaysWrites<WriteEmsPicture>,
       false},
      {QStringLiteral("PNG"),
       {QStringLiteral("png")},
       kPngReadLimit,
       ReadPngPicture,
       AlwaysWrites<EncodePng>,
       true},
      {QStringLiteral("Однобитный BMP"),
       {QStringLiteral("bmp")},
       kBmpReadLimit,
       ReadBmpPicture,
       AlwaysWrites<EncodeBmp>,
       true},
      {QStringLiteral("OTA-рисунок Nokia"),
       {QStringLiteral("otb")},
       kOtbReadLimit,
       ReadOtbPicture,
       WriteOtbPicture,
       true},
      {QStringLiteral("XBM, исходный текст C"),
       {QStringLiteral("xbm")},
       0,
       nullptr,
       WriteXbmPicture,
       true},
      {QStringLiteral("PBM"), {QStringLiteral("pbm")}, 0, nullptr, WritePbmPicture, true},
      {QStringLiteral("Элемент EMS для SMS, шестнадцатеричный"),
       {QStringLiteral("txt")},
       0,
       nullptr,
       WriteEmsElementPicture,
       true},
  };
  return formats;
}

QList<const FileFormat*> ExportFormats() {
  QList<const FileFormat*> exported;
  for (const FileFormat& format : FileFormats())
    if (format.exported) exported.append(&format);
  return exported;
}

const FileFormat* FormatOfName(const QString& file_name) {
  const QString extension = QFileInfo(file_name).suffix().toLower();
  for (const FileFormat& format : FileFormats())
    if (format.extensions.contains(extension)) return &format;
  return nullptr;
}

void UseBuiltInCodecsOnly() { QCoreApplication::setLibraryPaths({}); }

}  // namespace tochkograf
