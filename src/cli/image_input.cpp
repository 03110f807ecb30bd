#include "cli/image_input.h"

#include <QFileInfo>
#include <QImageReader>

#include "cli/silenced_stderr.h"
#include "files/status_texts.h"
#include "images/file_formats.h"
#include "images/image_reading.h"

namespace tochkograf {

namespace {

const QByteArray kOtb = "otb";

// The type the import reads for `name`'s extension; empty for none.
QByteArray ImportFormat(const QString& name) {
  const QByteArray suffix = QFileInfo(name).suffix().toLower().toLatin1();
  if (suffix == kOtb || QImageReader::supportedImageFormats().contains(suffix)) return suffix;
  return {};
}

QString UnknownType() {
  QStringList extensions;
  for (const FileFormat& format : FileFormats())
    if (format.read)
      for (const QString& extension : format.extensions) extensions << extension;
  QList<QByteArray> formats = QImageReader::supportedImageFormats();
  formats << kOtb;
  for (const QByteArray& format : formats)
    if (!extensions.contains(QLatin1String(format))) extensions << QLatin1String(format);
  return QStringLiteral("тип файла не известен по расширению имени (годятся .%1)")
      .arg(extensions.join(QStringLiteral(", .")));
}

// A picture's own greys, for options to convert it by.
ImportedImage PictureImage(const Picture& picture) {
  QImage greys(picture.width, picture.height, QImage::Format_Grayscale8);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      greys.scanLine(y)[x] = picture.cells(x + 1, y + 1) != kOff ? 0 : 255;
  return {greys.size(), greys, picture};
}

// Reads the input with its type's reader from the table; whether the
// picture came, or else `reason` says why not.
bool ReadOwnType(const FileFormat& format, const QString& name, Picture& picture,
                 FormatStatus& status, QString& reason) {
  QByteArray bytes;
  const FileStatus file = ReadFileHead(name, format.read_limit, bytes);
  if (file != FileStatus::Ok) {
    reason = ReadFailureReason(file);
    return false;
  }
  status = format.read(bytes, picture);
  reason = FormatFailureReason(status);
  return status == FormatStatus::Ok;
}

}  // namespace

QString ReadInputPicture(const CommandLine& command, Picture& picture) {
  // Image readers and libraries write their own complaints, and Qt its
  // plugin search where asked: the one message is the program's.
  const SilencedStderr quiet;
  const ConversionOptions& options = command.options;
  const QByteArray import_format = ImportFormat(command.in);
  ImportedImage image;
  if (const FileFormat* own = FormatOfName(command.in); own && own->read) {
    FormatStatus status = FormatStatus::Ok;
    QString reason;
    if (ReadOwnType(*own, command.in, picture, status, reason)) {
      if (!options.Any()) return {};
      image = PictureImage(picture);
    } else if (!options.Any() || status == FormatStatus::Ok || import_format.isEmpty()) {
      return reason;  // the file itself failed, or only the table reads its type
    }
  }
  if (image.greys.isNull()) {
    if (import_format.isEmpty()) return UnknownType();
    const ImageReadStatus status = ReadImageFile(command.in, import_format, image);
    if (!status.Ok()) return status.Reason();
    if (image.picture && !options.Any()) {
      picture = *image.picture;
      return {};
    }
  }
  ImageConversion conversion(image);
  picture = conversion.Result(options.Settings(conversion));
  return {};
}

bool NeedsImagePlugins(const QString& name) {
  return !FormatOfName(name) && QFileInfo(name).suffix().toLower().toLatin1() != kOtb;
}

}  // namespace tochkograf
