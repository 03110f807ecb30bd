#include "images/file_formats.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include "files/c_array/c_array_reading.h"
#include "files/c_array/c_identifier.h"
#include "files/disk/file_access.h"
#include "files/formats/bmp_format.h"
#include "files/formats/ems_animation.h"
#include "files/formats/ems_format.h"
#include "files/formats/gif_animation.h"
#include "files/formats/nlm_format.h"
#include "files/formats/nokia_logo_format.h"
#include "files/formats/nsl_format.h"
#include "files/formats/otb_format.h"
#include "files/formats/pbm_format.h"
#include "files/formats/phone_sizes.h"
#include "files/formats/wbmp_format.h"
#include "files/formats/xbm_format.h"
#include "files/sms/ems_element.h"
#include "files/sms/modem_commands.h"
#include "images/frame_strip.h"
#include "images/png_codec.h"

namespace tochkograf {

namespace {

// Writers that cannot refuse a picture the editor holds and need no options.
template <QByteArray (*Encode)(const Picture&)>
FormatStatus AlwaysWrites(const Picture& picture, const WriteOptions&, QByteArray& bytes) {
  bytes = Encode(picture);
  return FormatStatus::Ok;
}

// The frames a type that writes every frame is to write: the one picture
// where it is given no frames.
Animation FramesToWrite(const Picture& picture, const WriteOptions& options) {
  return options.animation.frames.empty() ? Animation::Of(picture) : options.animation;
}

// A two-colour PNG of the largest picture takes a few hundred bytes; this
// leaves room for any metadata a drawing program adds.
constexpr qint64 kPngReadLimit = 16 << 20;

// A type the image import reads by Qt's reader of its extension.
FileFormat QtImage(const QString& name, const QStringList& extensions) {
  return {.name = name,
          .filter = name,
          .extensions = extensions,
          .entry = Entry::Image,
          .image = true,
          .by_content = true};
}

const QList<FileFormat>& BuiltInRows() {
  static const QList<FileFormat> rows = {
      {.name = QStringLiteral("EMS-рисунок"),
       .filter = QStringLiteral("EMS-рисунок (EMS)"),
       .extensions = {QStringLiteral("ems")},
       .entry = Entry::Open,
       .read = DecodeEmsFirstFrame,
       .read_limit = EmsAnimationReadLimit(),
       .write =
           [](const Picture& picture, const WriteOptions& options, QByteArray& bytes) {
             bytes = EncodeEmsAnimation(EmsAnimationOf(FramesToWrite(picture, options)));
             return FormatStatus::Ok;
           },
       .every_frame = true},
      {.name = QStringLiteral("PNG"),
       .filter = QStringLiteral("PNG"),
       .extensions = {QStringLiteral("png")},
       .entry = Entry::Image,
       .read = DecodePng,
       .read_limit = kPngReadLimit,
       .image = true,
       .by_content = true,
       .write = [](const Picture& picture, const WriteOptions&,
                   QByteArray& bytes) { return EncodePng(picture, bytes); },
       .exported = true},
      {.name = QStringLiteral("Анимация GIF"),
       .filter = QStringLiteral("Анимация GIF"),
       .extensions = {QStringLiteral("gif")},
       .write =
           [](const Picture& picture, const WriteOptions& options, QByteArray& bytes) {
             return EncodeGifAnimation(FramesToWrite(picture, options), bytes);
           },
       .exported = true,
       .every_frame = true},
      // Where a .png is named, the plain PNG above comes first: the strip is
      // chosen in the export's dialog or by the command line's --strip.
      {.name = QStringLiteral("Лента кадров PNG"),
       .filter = QStringLiteral("Лента кадров PNG"),
       .extensions = {QStringLiteral("png")},
       .write =
           [](const Picture& picture, const WriteOptions& options, QByteArray& bytes) {
             return EncodeFrameStrip(FramesToWrite(picture, options), bytes);
           },
       .exported = true,
       .every_frame = true},
      {.name = QStringLiteral("Однобитный BMP"),
       .filter = QStringLiteral("Однобитный точечный рисунок (два цвета) (BMP)"),
       .extensions = {QStringLiteral("bmp")},
       .entry = Entry::AsItIs,
       .read = DecodeBmp,
       .read_limit = kBmpReadLimit,
       .write = AlwaysWrites<EncodeBmp>,
       .exported = true,
       .signature = "BM"},
      // Any other BMP (of another depth, compressed) comes through Qt's reader.
      {.name = QStringLiteral("BMP"),
       .filter = QStringLiteral("BMP"),
       .extensions = {QStringLiteral("bmp")},
       .entry = Entry::Image,
       .image = true,
       .by_content = true,
       .signature = "BM"},
      {.name = QStringLiteral("OTA-рисунок Nokia"),
       .filter = QStringLiteral("OTA-рисунок Nokia"),
       .extensions = {QStringLiteral("otb")},
       .entry = Entry::Image,
       .read = DecodeOtb,
       .read_limit = kOtbReadLimit,
       .image = true,
       .write = AlwaysWrites<EncodeOtb>,
       .exported = true},
      {.name = QStringLiteral("XBM, исходный текст C"),
       .filter = QStringLiteral("XBM, исходный текст C"),
       .extensions = {QStringLiteral("xbm")},
       .entry = Entry::Image,
       .image = true,
       .by_content = true,
       .write =
           [](const Picture& picture, const WriteOptions& options, QByteArray& bytes) {
             bytes = EncodeXbm(picture, CIdentifierFromFileName(options.file_name));
             return FormatStatus::Ok;
           },
       .exported = true},
      {.name = QStringLiteral("PBM"),
       .filter = QStringLiteral("PBM"),
       .extensions = {QStringLiteral("pbm")},
       .entry = Entry::Image,
       .image = true,
       .by_content = true,
       .write = AlwaysWrites<EncodePbm>,
       .exported = true},
      QtImage(QStringLiteral("PGM/PPM"), {QStringLiteral("pgm"), QStringLiteral("ppm")}),
      QtImage(QStringLiteral("XPM"), {QStringLiteral("xpm")}),
      // Read back as the image import takes any picture; a .txt of another
      // text is a C source's.
      {.name = QStringLiteral("Элемент EMS для SMS, шестнадцатеричный"),
       .filter = QStringLiteral("Элемент EMS для SMS, шестнадцатеричный"),
       .extensions = {QStringLiteral("txt")},
       .entry = Entry::Image,
       .read_limit = kEmsElementLineReadLimit,
       .read_frames = DecodeEmsElementLine,
       .claims = IsHexLine,
       .write =
           [](const Picture& picture, const WriteOptions& options, QByteArray& bytes) {
             return EncodeEmsAnimationElement(FramesToWrite(picture, options), bytes);
           },
       .exported = true,
       .every_frame = true},
      {.name = QStringLiteral("SMS для модема, AT-команды"),
       .filter = QStringLiteral("SMS для модема, AT-команды"),
       .extensions = {QStringLiteral("at")},
       .write =
           [](const Picture& picture, const WriteOptions& options, QByteArray& bytes) {
             return EncodeModemCommands(FramesToWrite(picture, options), picture, options.sms,
                                        options.network, bytes);
           },
       .exported = true,
       .question = ExportQuestion::Sms,
       .every_frame = true},
      {.name = QStringLiteral("Логотип оператора Nokia"),
       .filter = QStringLiteral("Логотип оператора Nokia"),
       .extensions = {QStringLiteral("nol")},
       .entry = Entry::Image,
       .read = DecodeNol,
       .read_limit = kNokiaLogoReadLimit,
       .write = [](const Picture& picture, const WriteOptions& options,
                   QByteArray& bytes) { return EncodeNol(picture, options.network, bytes); },
       .exported = true,
       .question = ExportQuestion::NetworkCode,
       .sizes = {kNokiaLogo, kNokiaLargeLogo},
       .signature = QByteArrayLiteral("NOL\0")},
      {.name = QStringLiteral("Картинка группы Nokia"),
       .filter = QStringLiteral("Картинка группы Nokia"),
       .extensions = {QStringLiteral("ngg")},
       .entry = Entry::Image,
       .read = DecodeNgg,
       .read_limit = kNokiaLogoReadLimit,
       .write = [](const Picture& picture, const WriteOptions&,
                   QByteArray& bytes) { return EncodeNgg(picture, bytes); },
       .exported = true,
       .sizes = {kNokiaLogo},
       .signature = QByteArrayLiteral("NGG\0")},
      {.name = QStringLiteral("Nokia Logo Manager"),
       .filter = QStringLiteral("Nokia Logo Manager"),
       .extensions = {QStringLiteral("nlm")},
       .entry = Entry::Image,
       .read = DecodeNlm,
       .read_limit = kNlmReadLimit,
       .write = [](const Picture& picture, const WriteOptions&,
                   QByteArray& bytes) { return EncodeNlm(picture, bytes); },
       .exported = true,
       .sizes = {kNokiaLogo, kNokiaLargeLogo, kNokiaStartupLogo, kNokiaPicture},
       .signature = QByteArrayLiteral("NLM ")},
      {.name = QStringLiteral("Заставка Nokia"),
       .filter = QStringLiteral("Заставка Nokia"),
       .extensions = {QStringLiteral("nsl")},
       .entry = Entry::Image,
       .read = DecodeNsl,
       .read_limit = kNslReadLimit,
       .write = [](const Picture& picture, const WriteOptions&,
                   QByteArray& bytes) { return EncodeNsl(picture, bytes); },
       .exported = true,
       .sizes = {kNokiaStartupLogo}},
      {.name = QStringLiteral("WAP-рисунок WBMP"),
       .filter = QStringLiteral("WAP-рисунок WBMP"),
       .extensions = {QStringLiteral("wbmp")},
       .entry = Entry::Image,
       .read = DecodeWbmp,
       .read_limit = kWbmpReadLimit,
       .write = AlwaysWrites<EncodeWbmp>,
       .exported = true},
      {.name = QStringLiteral("Массив C для дисплея"),
       .filter = QStringLiteral("Массив C для дисплея"),
       .extensions = {QStringLiteral("h")},
       .write =
           [](const Picture& picture, const WriteOptions& options, QByteArray& bytes) {
             CArrayOptions c_array = options.c_array;
             if (c_array.name.isEmpty()) c_array.name = ArrayNameFromFileName(options.file_name);
             bytes = EncodeCArrayAnimation(FramesToWrite(picture, options), c_array);
             return FormatStatus::Ok;
           },
       .exported = true,
       .question = ExportQuestion::CArray,
       .every_frame = true},
      {.name = QStringLiteral("Скетч Arduino для OLED SSD1306"),
       .filter = QStringLiteral("Скетч Arduino для OLED SSD1306"),
       .extensions = {QStringLiteral("ino")},
       .write =
           [](const Picture& picture, const WriteOptions& options, QByteArray& bytes) {
             SketchOptions sketch = options.sketch;
             if (sketch.name.isEmpty()) sketch.name = ArrayNameFromFileName(options.file_name);
             bytes = EncodeArduinoSketch(FramesToWrite(picture, options), sketch);
             return FormatStatus::Ok;
           },
       .exported = true,
       .question = ExportQuestion::Sketch,
       .every_frame = true},
      // Any C source, a sketch or a text with an array of bytes in it.
      {.name = QStringLiteral("Массив байтов в исходном тексте C"),
       .filter = QStringLiteral("Массив байтов в исходном тексте C"),
       .extensions = {QStringLiteral("h"), QStringLiteral("c"), QStringLiteral("ino"),
                      QStringLiteral("txt")},
       .entry = Entry::CArray,
       .read = DecodeCArray,
       .read_limit = kCArrayReadLimit},
  };
  return rows;
}

// Readable names for the types Qt's plugins are known to bring; a type not
// named here is offered under its own name.
struct PluginType {
  QString name;
  QStringList extensions;
};
const QList<PluginType>& KnownPluginTypes() {
  static const QList<PluginType> types = {
      {QStringLiteral("JPEG"), {QStringLiteral("jpg"), QStringLiteral("jpeg")}},
      {QStringLiteral("GIF"), {QStringLiteral("gif")}},
      {QStringLiteral("Значки Windows (ICO, CUR)"),
       {QStringLiteral("ico"), QStringLiteral("cur")}}};
  return types;
}

// A row for each type Qt's readers bring here beyond the built-in ones.
QList<FileFormat> PluginRows() {
  QStringList readable;
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    readable << QString::fromLatin1(format);
  // A type the program only writes (an animated GIF) leaves its reading to Qt.
  for (const FileFormat& format : BuiltInRows())
    if (ComesIn(format))
      for (const QString& extension : format.extensions) readable.removeAll(extension);
  QList<FileFormat> rows;
  for (const PluginType& type : KnownPluginTypes()) {
    QStringList extensions;
    for (const QString& extension : type.extensions)
      if (readable.removeAll(extension) > 0) extensions << extension;
    if (!extensions.isEmpty()) rows << QtImage(type.name, extensions);
  }
  for (const QString& format : readable) rows << QtImage(format.toUpper(), {format});
  return rows;
}

FileFormatList Pointers(const QList<FileFormat>& rows) {
  FileFormatList pointers;
  for (const FileFormat& row : rows) pointers << &row;
  return pointers;
}

}  // namespace

FileFormatList BuiltInFormats() { return Pointers(BuiltInRows()); }

FileFormatList FileFormats() {
  static const QList<FileFormat> plugin_rows = PluginRows();
  return BuiltInFormats() + Pointers(plugin_rows);
}

FileFormatList Where(const FileFormatList& formats, FormatTest wanted) {
  FileFormatList chosen;
  for (const FileFormat* format : formats)
    if (wanted(*format)) chosen << format;
  return chosen;
}

FileFormatList FormatsOfName(const FileFormatList& formats, const QString& name) {
  const QString extension = QFileInfo(name).suffix().toLower();
  FileFormatList named;
  for (const FileFormat* format : formats)
    if (format->extensions.contains(extension)) named << format;
  return named;
}

const FileFormat* FormatOfName(const FileFormatList& formats, const QString& name) {
  return FormatsOfName(formats, name).value(0);
}

const FileFormat& OwnFormat() {
  static const FileFormat& own = *Where(BuiltInFormats(), IsOwn).first();
  return own;
}

QByteArray ImageReaderName(const FileFormat& format, const QString& name) {
  const QString extension = QFileInfo(name).suffix().toLower();
  return (format.extensions.contains(extension) ? extension : format.extensions.first()).toLatin1();
}

ReadStatus ReadPictureFile(const QString& name, const FileFormat& format, Picture& picture) {
  QByteArray bytes;
  ReadStatus status;
  status.file = ReadFileHead(name, format.read_limit, bytes);
  if (status.file == FileStatus::Ok) status.format = format.read(bytes, picture);
  return status;
}

QString UnknownTypeReason(const FileFormatList& formats) {
  QStringList extensions;
  for (const FileFormat* format : formats)
    for (const QString& extension : format->extensions)
      if (!extensions.contains(QLatin1Char('.') + extension))
        extensions << QLatin1Char('.') + extension;
  return QStringLiteral("тип файла не известен по расширению имени (годятся %1)")
      .arg(extensions.join(QStringLiteral(", ")));
}

bool NeedsImagePlugins(const QString& name) {
  return !FormatOfName(Where(BuiltInFormats(), ComesIn), name);
}

void UseBuiltInCodecsOnly() { QCoreApplication::setLibraryPaths({}); }

}  // namespace tochkograf
