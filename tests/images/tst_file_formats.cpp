#include <QBuffer>
#include <QImage>
#include <QtTest>

#include "fakes/file_bytes.h"
#include "fakes/pictures.h"
#include "files/formats/bmp_format.h"
#include "files/formats/ems_animation.h"
#include "files/formats/ems_format.h"
#include "images/file_formats.h"
#include "images/named_file.h"
#include "images/png_codec.h"

using namespace tochkograf;

namespace {

const FileFormat& Format(const char* extension) {
  const FileFormat* format =
      FormatOfName(BuiltInFormats(), QStringLiteral("picture.") + QLatin1String(extension));
  if (!format) qFatal("no file type for .%s", extension);
  return *format;
}

QByteArray Written(const char* extension, const Picture& picture) {
  QByteArray bytes;
  if (Format(extension).write(picture, {}, bytes) != FormatStatus::Ok) return {};
  return bytes;
}

QByteArray SavedByQt(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// A width x height image with the given colours in columns, one per column
// in turn.
QImage Stripes(int width, int height, const QList<QRgb>& colours) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < height; ++y) image.setPixel(x, y, colours[x % colours.size()]);
  return image;
}

}  // namespace

class FileFormatsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyTypeReadsBackWhatItWrites_data();
  void everyTypeReadsBackWhatItWrites();
  void qtSeesOneBitBlackInkOnWhite_data();
  void qtSeesOneBitBlackInkOnWhite();
  void pngReader_data();
  void pngReader();
  void typeComesFromTheExtension_data();
  void typeComesFromTheExtension();
  void namedFileComesInByTheTable_data();
  void namedFileComesInByTheTable();
  void failedPngWriteIsAFailure();
  void emsTypeTakesTheFirstFrameOfASoundAnimation();
};

void FileFormatsTest::everyTypeReadsBackWhatItWrites_data() {
  QTest::addColumn<int>("format");
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("height");
  const FileFormatList formats = BuiltInFormats();
  const QList<QSize> any{QSize(1, 1), QSize(14, 14), QSize(72, 14), QSize(33, 95),
                         QSize(kMaxWidth, kMaxHeight)};
  for (int i = 0; i < formats.size(); ++i)
    if (formats[i]->read && formats[i]->write)
      for (const QSize size : formats[i]->sizes.isEmpty() ? any : formats[i]->sizes)
        QTest::addRow("%s, %d x %d", qPrintable(formats[i]->extensions.first()), size.width(),
                      size.height())
            << i << size.width() << size.height();
}

void FileFormatsTest::everyTypeReadsBackWhatItWrites() {
  QFETCH(int, format);
  QFETCH(int, width);
  QFETCH(int, height);
  const FileFormat& type = *BuiltInFormats()[format];
  const Picture picture = RandomPicture(width, height, width * 7 + height);
  QByteArray bytes;
  QCOMPARE(type.write(picture, {}, bytes), FormatStatus::Ok);
  QVERIFY(bytes.size() <= type.read_limit);
  Picture read;
  QCOMPARE(type.read(bytes, read), FormatStatus::Ok);
  QVERIFY(read == picture);
}

void FileFormatsTest::qtSeesOneBitBlackInkOnWhite_data() {
  QTest::addColumn<QByteArray>("extension");
  QTest::addColumn<int>("bitsAt");  // where the file's header gives its bits per pixel
  QTest::newRow("png") << QByteArray("png") << 24;
  QTest::newRow("bmp") << QByteArray("bmp") << 28;
}

void FileFormatsTest::qtSeesOneBitBlackInkOnWhite() {
  QFETCH(QByteArray, extension);
  QFETCH(int, bitsAt);
  const Picture picture = RandomPicture(37, 21, 5);
  const QByteArray bytes = Written(extension.constData(), picture);
  QCOMPARE(int(bytes[bitsAt]), 1);
  const QImage image = QImage::fromData(bytes, extension.constData());
  QCOMPARE(image.size(), QSize(37, 21));
  for (int y = 1; y <= 21; ++y)
    for (int x = 1; x <= 37; ++x) {
      const QRgb expected = picture.cells(x, y) != kOff ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
      QCOMPARE(image.pixel(x - 1, y - 1), expected);
    }
}

void FileFormatsTest::pngReader_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<FormatStatus>("status");
  QTest::addColumn<int>("inkEvery");   // ink in every n-th column...
  QTest::addColumn<int>("inkOffset");  // ...starting from this one (from 0); n = 0: no ink
  const QRgb red = qRgb(200, 0, 0), yellow = qRgb(255, 255, 0), clear = qRgba(0, 0, 0, 0);
  const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
  const auto row = [](const char* name, const QImage& image, FormatStatus status, int every = 0,
                      int offset = 0) {
    QTest::newRow(name) << SavedByQt(image) << status << every << offset;
  };
  row("darker of two colours is ink", Stripes(10, 4, {red, yellow}), FormatStatus::Ok, 2);
  row("lighter colour first", Stripes(10, 4, {white, red, white}), FormatStatus::Ok, 3, 1);
  row("transparent is paper", Stripes(9, 4, {black, clear, clear}), FormatStatus::Ok, 3);
  row("all black is ink", Stripes(5, 5, {black}), FormatStatus::Ok, 1);
  row("all white is paper", Stripes(5, 5, {white}), FormatStatus::Ok);
  row("largest", Stripes(kMaxWidth, kMaxHeight, {black, white}), FormatStatus::Ok, 2);
  row("three colours", Stripes(9, 4, {black, white, red}), FormatStatus::NotTwoColours);
  row("too wide", Stripes(kMaxWidth + 1, 2, {black}), FormatStatus::BadSize);
  row("too high", Stripes(2, kMaxHeight + 1, {black}), FormatStatus::BadSize);
  QTest::newRow("not a png") << QByteArray("BM not a png at all") << FormatStatus::NotThisFormat
                             << 0 << 0;
  QTest::newRow("cut short") << SavedByQt(Stripes(64, 64, {black, white, white})).left(80)
                             << FormatStatus::Damaged << 0 << 0;
}

void FileFormatsTest::pngReader() {
  QFETCH(QByteArray, bytes);
  QFETCH(FormatStatus, status);
  QFETCH(int, inkEvery);
  QFETCH(int, inkOffset);
  Picture picture = RandomPicture(3, 3, 9);
  const Picture before = picture;
  QCOMPARE(Format("png").read(bytes, picture), status);
  if (status != FormatStatus::Ok) {
    QVERIFY(picture == before);
    return;
  }
  QCOMPARE(QSize(picture.width, picture.height), QImage::fromData(bytes, "PNG").size());
  for (int y = 1; y <= picture.height; ++y)
    for (int x = 1; x <= picture.width; ++x) {
      const bool ink = inkEvery > 0 && (x - 1) % inkEvery == inkOffset;
      QVERIFY2((picture.cells(x, y) != kOff) == ink,
               qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    }
}

void FileFormatsTest::typeComesFromTheExtension_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("extension");  // empty: no type
  QTest::newRow("ems") << "/some/where/picture.ems"
                       << "ems";
  QTest::newRow("capitals") << "PICTURE.BMP"
                            << "bmp";
  QTest::newRow("last dot counts") << "picture.bmp.png"
                                   << "png";
  QTest::newRow("folder with a dot") << "/x.ems/picture"
                                     << "";
  QTest::newRow("unknown") << "photo.jpg"
                           << "";
}

void FileFormatsTest::typeComesFromTheExtension() {
  QFETCH(QString, name);
  QFETCH(QString, extension);
  const FileFormat* format = FormatOfName(BuiltInFormats(), name);
  QCOMPARE(format ? format->extensions.first() : QString(), extension);
}

// How a file named on the command line comes in: by its extension, the
// first type that takes it; without a known extension, by its first bytes.
void FileFormatsTest::namedFileComesInByTheTable_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<int>("entry");  // -1: nothing tells
  QTest::addColumn<bool>("asItIs");
  const QByteArray ems = EncodeEms(RandomPicture(24, 26, 1));
  const QByteArray bmp = EncodeBmp(RandomPicture(24, 26, 2));
  const QByteArray deep = Contents(QStringLiteral(TOCHKOGRAF_TEST_DATA "/bmp/w8_h8_24bit.bmp"));
  const int open = int(Entry::Open), as_it_is = int(Entry::AsItIs), image = int(Entry::Image);
  const int c_array = int(Entry::CArray);
  QTest::newRow("picture") << "a.ems" << ems << open << false;
  QTest::newRow("picture, BMP inside") << "a.ems" << bmp << open << false;
  QTest::newRow("one-bit BMP") << "a.BMP" << bmp << as_it_is << true;
  QTest::newRow("24-bit BMP") << "a.bmp" << deep << image << false;
  QTest::newRow("BMP, no extension") << "a" << bmp << as_it_is << true;
  QTest::newRow("24-bit BMP, C source's extension") << "a.txt" << deep << c_array << false;
  QTest::newRow("C source") << "a.ino" << QByteArray("char a[] = {1};") << c_array << false;
  // A .txt is the EMS element's where it is a line of hex.
  QTest::newRow("C source, .txt") << "a.txt" << QByteArray("char a[] = {1};") << c_array << false;
  QTest::newRow("EMS element") << "a.txt" << QByteArray("12 04 00 01 01 80\n") << image << false;
  QTest::newRow("EMS element, cut short") << "a.txt" << QByteArray("12 04 00") << image << false;
  QTest::newRow("PNG") << "a.png" << QByteArray("not even a PNG") << image << false;
  QTest::newRow("OTB") << "a.otb" << QByteArray() << image << false;
  // Written by a type of the program's own, still read by Qt's reader.
  QTest::newRow("GIF") << "a.gif" << QByteArray("GIF89a") << image << false;
  QTest::newRow("picture, no extension") << "a" << ems << -1 << false;
  QTest::newRow("text, no extension") << "a" << QByteArray("BA") << -1 << false;
}

void FileFormatsTest::namedFileComesInByTheTable() {
  QFETCH(QString, name);
  QFETCH(QByteArray, bytes);
  QFETCH(int, entry);
  QFETCH(bool, asItIs);
  QTemporaryDir folder;
  const QString path = folder.filePath(name);
  Store(path, bytes);
  const NamedFile file = TypeOfNamedFile(path);
  QCOMPARE(file.format ? int(file.format->entry) : -1, entry);
  QCOMPARE(bool(file.picture), asItIs);
  if (asItIs) QVERIFY(file.picture->width == 24 && file.picture->height == 26);
}

// Qt's writer refuses an empty image: the refusal reaches the caller and no
// bytes are given for a file.
void FileFormatsTest::failedPngWriteIsAFailure() {
  QByteArray bytes = "untouched";
  QCOMPARE(PngBytes(QImage(), bytes), FormatStatus::NotEncoded);
  QCOMPARE(bytes, QByteArray("untouched"));
  QCOMPARE(PngBytes(QImage(1, 1, QImage::Format_Mono), bytes), FormatStatus::Ok);
  QVERIFY(bytes.startsWith("\x89PNG"));
}

// The command line and the thumbnailer read an .ems through the table: an
// animation gives its first frame, and a damaged frame block is refused
// there as opening the file refuses it.
void FileFormatsTest::emsTypeTakesTheFirstFrameOfASoundAnimation() {
  EmsAnimation animation;
  animation.first = RandomPicture(9, 3, 4);
  animation.durations = {100, 200};
  animation.further = {PackedBlock::Of(RandomPicture(9, 3, 5).cells)};
  const QByteArray bytes = EncodeEmsAnimation(animation);
  const FileFormat& ems = Format("ems");
  QVERIFY(bytes.size() <= ems.read_limit);
  Picture read;
  QCOMPARE(ems.read(bytes, read), FormatStatus::Ok);
  QVERIFY(read == animation.first);
  QByteArray damaged = bytes;
  damaged[damaged.size() - 1] = char(damaged.back() ^ 1);  // the block's checksum
  const Picture before = read;
  QVERIFY(ems.read(damaged, read) != FormatStatus::Ok);
  QVERIFY(read == before && read.cells == before.cells);
}

QTEST_GUILESS_MAIN(FileFormatsTest)
#include "tst_file_formats.moc"
