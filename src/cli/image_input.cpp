#include "cli/image_input.h"

#include <QImageReader>

#include "cli/silenced_stderr.h"
#include "files/status_texts.h"
#include "images/file_formats.h"
#include "images/named_file.h"

namespace tochkograf {

namespace {

QString UnknownType() {
  QStringList extensions;
  for (const FileFormat& format : FileFormats())
    if (format.read)
      for (const QString& extension : format.extensions) extensions << extension;
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    if (!extensions.contains(QLatin1String(format))) extensions << QLatin1String(format);
  return QStringLiteral("тип файла не известен по расширению имени (годятся .%1)")
      .arg(extensions.join(QStringLiteral(", .")));
}

// Reads the program's own picture file with its reader from the table.
QString ReadPicture(const QString& name, Picture& picture) {
  const FileFormat& format = *FormatOfName(name);
  QByteArray bytes;
  const FileStatus file = ReadFileHead(name, format.read_limit, bytes);
  if (file != FileStatus::Ok) return ReadFailureReason(file);
  return FormatFailureReason(format.read(bytes, picture));
}

}  // namespace

QString ReadInputPicture(const CommandLine& command, Picture& picture) {
  // Image readers and libraries write their own complaints, and Qt its
  // plugin search where asked: the one message is the program's.
  const SilencedStderr quiet;
  const NamedFileType type = TypeOfNamedFile(command.in);
  ImportedImage image;
  switch (type.kind) {
    case NamedFileKind::Unknown:
      return UnknownType();
    case NamedFileKind::Picture:
      if (const QString reason = ReadPicture(command.in, picture); !reason.isEmpty()) return reason;
      image = ImageOfPicture(picture);
      break;
    case NamedFileKind::Bmp:
    case NamedFileKind::Image:
      if (const ImageReadStatus status = ReadNamedImage(command.in, type, image); !status.Ok())
        return status.Reason();
      break;
  }
  if (image.picture && !command.options.Any()) {
    picture = *image.picture;
    return {};
  }
  ImageConversion conversion(image);
  picture = conversion.Result(command.options.Settings(conversion));
  return {};
}

bool NeedsImagePlugins(const QString& name) { return !FormatOfName(name); }

}  // namespace tochkograf
