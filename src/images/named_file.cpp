#include "images/named_file.h"

#include <QFileInfo>
#include <QImageReader>

#include "files/document_commands.h"
#include "images/file_formats.h"

namespace tochkograf {

NamedFileType TypeOfNamedFile(const QString& name) {
  const QByteArray extension = QFileInfo(name).suffix().toLower().toLatin1();
  if (extension == "ems") return {NamedFileKind::Picture, {}};
  if (extension == "bmp") return {NamedFileKind::Bmp, extension};
  if (extension == "otb" ||
      (!extension.isEmpty() && QImageReader::supportedImageFormats().contains(extension)))
    return {NamedFileKind::Image, extension};
  if (IsBmpFile(name)) return {NamedFileKind::Bmp, "bmp"};
  return {};
}

std::optional<Picture> OneBitBmp(const QString& name) {
  // The table's reader of BMP files is the one-bit import's decoder.
  const FileFormat& bmp = *FormatOfName(QStringLiteral("picture.bmp"));
  QByteArray bytes;
  Picture picture;
  if (ReadFileHead(name, bmp.read_limit, bytes) != FileStatus::Ok ||
      bmp.read(bytes, picture) != FormatStatus::Ok)
    return std::nullopt;
  return picture;
}

ImageReadStatus ReadNamedImage(const QString& name, const NamedFileType& type,
                               ImportedImage& image) {
  if (type.kind == NamedFileKind::Bmp) {
    if (const std::optional<Picture> picture = OneBitBmp(name)) {
      image = ImageOfPicture(*picture);
      return {};
    }
  }
  return ReadImageFile(name, type.format, image);
}

ImportedImage ImageOfPicture(const Picture& picture) {
  QImage greys(picture.width, picture.height, QImage::Format_Grayscale8);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      greys.scanLine(y)[x] = picture.cells(x + 1, y + 1) != kOff ? 0 : 255;
  return {greys.size(), greys, picture};
}

}  // namespace tochkograf
