#include "images/image_import.h"

#include <QFileInfo>
#include <QImageReader>

#include "files/imported_picture.h"
#include "files/status_texts.h"
#include "images/named_file.h"

namespace tochkograf {

namespace {

struct KnownType {
  QString name;
  QList<QByteArray> formats;  // as QImageReader names them, which are also their extensions
};

// Readable names for the types Qt's readers are known to bring; a type
// not named here is offered under its own extension.
QList<KnownType> KnownTypes() {
  return {{QStringLiteral("PNG"), {"png"}},
          {QStringLiteral("JPEG"), {"jpg", "jpeg"}},
          {QStringLiteral("GIF"), {"gif"}},
          {QStringLiteral("BMP"), {"bmp"}},
          {QStringLiteral("XBM"), {"xbm"}},
          {QStringLiteral("PBM/PGM/PPM"), {"pbm", "pgm", "ppm"}},
          {QStringLiteral("XPM"), {"xpm"}},
          {QStringLiteral("Значки Windows (ICO, CUR)"), {"ico", "cur"}}};
}

QString Patterns(const QList<QByteArray>& formats) {
  QStringList patterns;
  for (const QByteArray& format : formats) patterns << QStringLiteral("*.") + QLatin1String(format);
  return patterns.join(QLatin1Char(';'));
}

const QList<QByteArray> kOtb = {"otb"};

}  // namespace

FilterTable ImageFilters() {
  QList<QByteArray> readable = QImageReader::supportedImageFormats();
  FilterTable types;
  QList<QByteArray> every;
  for (const KnownType& type : KnownTypes()) {
    QList<QByteArray> formats;
    for (const QByteArray& format : type.formats)
      if (readable.removeAll(format) > 0) formats << format;
    if (formats.isEmpty()) continue;
    types.append({type.name, Patterns(formats)});
    every << formats;
  }
  for (const QByteArray& format : readable) {
    types.append({QString::fromLatin1(format.toUpper()), Patterns({format})});
    every << format;
  }
  types.append({QStringLiteral("OTA-рисунок Nokia"), Patterns(kOtb)});
  every << kOtb;
  types.prepend({QStringLiteral("Все изображения"), Patterns(every)});
  types.append({QStringLiteral("Все файлы"), QStringLiteral("*.*")});
  return types;
}

void ImportImage(DocumentCommands& commands, ConversionWindow& window) {
  if (!commands.MayDropChanges(kImageImportTitle)) return;
  const QString name = commands.ChooseFileToOpen(ImageFilters(), kImageImportTitle);
  if (!name.isEmpty() && ImportImageFile(commands.Document(), window, name)) commands.Used(name);
}

bool ImportImageFile(DocumentContext& document, ConversionWindow& window, const QString& name) {
  // OTB shows nothing of itself in its bytes: only its name tells it.
  const QByteArray format =
      QFileInfo(name).suffix().toLower().toLatin1() == kOtb.first() ? kOtb.first() : QByteArray();
  ImportedImage image;
  const ImageReadStatus status = ReadImageFile(name, format, image);
  if (!status.Ok()) {
    document.messages.ShowFailure(ImageImportFailure(name, status.Reason()));
    return false;
  }
  if (image.picture) {
    TakeImportedPicture(document, *image.picture, kOn);
    return true;
  }
  ImageConversion conversion(image);
  ConversionSettings settings =
      DefaultSettings(conversion, QSize(document.state.MX, document.state.MY));
  if (!window.ShowConversionDialog(image, document.state.GridOn != kOff, settings)) return false;
  TakeImportedPicture(document, conversion.Result(settings), kOn);
  return true;
}

void OpenNamedFile(DocumentCommands& commands, ConversionWindow& window, const QString& path) {
  const NamedFileType type = TypeOfNamedFile(path);
  // Pictures, BMP files the one-bit import reads, and files of no known
  // type open as OpenGiven has them.
  const bool image =
      type.kind == NamedFileKind::Image || (type.kind == NamedFileKind::Bmp && !OneBitBmp(path));
  if (!image) {
    commands.OpenGiven(path);
  } else if (ImportImageFile(commands.Document(), window, path)) {
    commands.Used(path);
  }
}

QString ImageImportFailure(const QString& name, const QString& reason) {
  return QStringLiteral("Не удалось импортировать «%1»: %2.").arg(ShownName(name), reason);
}

}  // namespace tochkograf
