#include <unistd.h>

#include <QBuffer>
#include <QtTest>
#include <cmath>
#include <cstring>

#include "fakes/image_bytes.h"
#include "fakes/png_by_hand.h"
#include "files/formats/otb_format.h"
#include "images/area_scaling.h"
#include "images/image_reading.h"
#include "images/png_codec.h"
#include "images/png_rows.h"

using namespace tochkograf;

namespace {

// Columns of ink and paper: ink in every third column.
QImage Columns(int width, int height, QRgb ink, QRgb paper) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, x % 3 == 0 ? ink : paper);
  return image;
}

bool InkInThirdColumns(const Picture& picture) {
  for (int y = 1; y <= picture.height; ++y)
    for (int x = 1; x <= picture.width; ++x)
      if ((picture.cells(x, y) != kOff) != ((x - 1) % 3 == 0)) return false;
  return true;
}

// A 6 x 2 XPM of ink in every third column, its colours keyed as `ink`
// and `paper` say.
QByteArray Xpm(const char* ink, const char* paper) {
  return QByteArray("/* XPM */\nstatic char *columns[] = {\n\"6 2 2 1\",\n\".") + ink + "\",\n\"#" +
         paper + "\",\n\".##.##\",\n\".##.##\"};\n";
}

FormatStatus Read(const QByteArray& bytes, const QByteArray& format, int limit_mb,
                  ImportedImage& image) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return ReadImage(buffer, format, limit_mb, image);
}

// A PNG of `type` and `depth` whose samples take every value the depth
// allows, differently in each channel; a palette of as many colours.
PngByHand Png(int type, int depth, int width = 37, int height = 23, bool interlaced = false) {
  PngByHand png;
  png.width = width;
  png.height = height;
  png.colour_type = type;
  png.depth = depth;
  png.interlaced = interlaced;
  const int levels = 1 << depth;
  png.sample = [levels](int x, int y, int c) {
    return int((x * 7919LL + y * 104729LL + c * 1299709LL + x * y * 31LL) % levels);
  };
  for (int i = 0; type == 3 && i < levels; ++i)
    png.palette.append(char(i * 7)).append(char(255 - i * 3)).append(char(i * i));
  return png;
}

// The same, with the colour of its top left pixel transparent (tRNS).
PngByHand Transparent(PngByHand png) {
  for (int c = 0; c < png.Channels(); ++c) {
    const int value = png.sample(0, 0, c);
    png.transparency.append(char(value >> 8)).append(char(value));
  }
  return png;
}

// Everything written to the standard error while `work` runs.
QByteArray StandardErrorOf(const std::function<void()>& work) {
  QTemporaryFile file;
  if (!file.open()) return "no temporary file";
  std::fflush(stderr);
  const int saved = dup(2);
  dup2(file.handle(), 2);
  work();
  std::fflush(stderr);
  dup2(saved, 2);
  close(saved);
  file.seek(0);
  return file.readAll();
}

}  // namespace

class ImageReadingTest : public QObject {
  Q_OBJECT

 private slots:
  void readsOrRefuses_data();
  void readsOrRefuses();
  void turnsAsTheFileSays();
  void readsEveryPngAsQtDoes_data();
  void readsEveryPngAsQtDoes();
  void refusesBadPngsQuietly_data();
  void refusesBadPngsQuietly();
  void readsAVastPng();
  void refusesCutJpegsAndGifs_data();
  void refusesCutJpegsAndGifs();
  void readsGammusXpmAsImageMagickDoes();
};

void ImageReadingTest::readsOrRefuses_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QByteArray>("format");
  QTest::addColumn<int>("limitMb");
  QTest::addColumn<FormatStatus>("status");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<bool>("asItIs");  // comes in as the picture of its dark columns
  const QRgb navy = qRgb(0, 0, 128), pink = qRgb(255, 192, 203), clear = qRgba(0, 0, 0, 0);
  const QRgb black = qRgb(0, 0, 0), grey = qRgb(128, 128, 128), white = qRgb(255, 255, 255);
  const int limit = kImageMemoryLimitMb;
  const QByteArray png = ImageBytes(Columns(30, 20, navy, pink), "png");
  QImage three_colours = Columns(30, 20, black, grey);
  three_colours.setPixel(1, 0, white);
  PixelGrid cells;
  for (int y = 1; y <= 14; ++y)
    for (int x = 1; x <= 72; x += 3) cells(x, y) = kOn;
  const QByteArray otb = EncodeOtb({72, 14, cells});
  const auto row = [&](const char* name, const QByteArray& bytes, const char* format, int limit_mb,
                       FormatStatus status, QSize size = {}, bool as_it_is = false) {
    QTest::newRow(name) << bytes << QByteArray(format) << limit_mb << status << size << as_it_is;
  };
  row("two colours", png, "", limit, FormatStatus::Ok, {30, 20}, true);
  row("two colours, type given", png, "png", limit, FormatStatus::Ok, {30, 20}, true);
  row("transparent paper", ImageBytes(Columns(9, 4, black, clear), "png"), "", limit,
      FormatStatus::Ok, {9, 4}, true);
  row("XBM", ImageBytes(Columns(12, 5, black, white), "xbm"), "", limit, FormatStatus::Ok, {12, 5},
      true);
  row("OTB", otb, "otb", limit, FormatStatus::Ok, {72, 14}, true);
  row("three colours", ImageBytes(three_colours, "png"), "", limit, FormatStatus::Ok, {30, 20});
  row("two colours, too wide", ImageBytes(Columns(kMaxWidth + 2, 5, black, white), "bmp"), "",
      limit, FormatStatus::Ok, {kMaxWidth + 2, 5});
  row("photo, decoded reduced", ImageBytes(Columns(3000, 1000, navy, pink), "jpeg"), "jpeg", limit,
      FormatStatus::Ok, {3000, 1000});
  // A PNG is read a row at a time: no memory limit applies to it.
  row("large PNG, averaged", ImageBytes(Columns(1500, 700, navy, pink), "png"), "", 1,
      FormatStatus::Ok, {1500, 700});

  row("over the memory limit", ImageBytes(Columns(600, 600, navy, pink), "bmp"), "", 1,
      FormatStatus::TooLarge);
  row("vast, by its header", "P6\n20000 20000\n255\n", "", limit, FormatStatus::TooLarge);
  row("vast OTB", QByteArray::fromHex("10ffffffff01"), "otb", limit, FormatStatus::TooLarge);
  row("not an image", "plain words", "", limit, FormatStatus::NotAnImage);
  row("not the type given", png, "jpeg", limit, FormatStatus::NotThisFormat);
  row("not OTB", "plain words", "otb", limit, FormatStatus::NotThisFormat);
  row("cut short", png.left(png.size() / 2), "", limit, FormatStatus::Truncated);
  row("OTB cut short", otb.left(50), "otb", limit, FormatStatus::Truncated);
  // gammu names each colour "c" and gives it with every key.
  row("XPM, keys as gammu writes them",
      Xpm("\ts c\tm #000000\tg4 #000000\tg #000000\tc #000000",
          "\ts c\tm #ffffff\tg4 #ffffff\tg #ffffff\tc #ffffff"),
      "xpm", limit, FormatStatus::Ok, {6, 2}, true);
  row("XPM by its content, mono only", Xpm(" m black", " m white"), "", limit, FormatStatus::Ok,
      {6, 2}, true);
  row("XPM, colours cut short", Xpm(" c #000000", "").left(60), "xpm", limit,
      FormatStatus::Damaged);
  row("XPM, more colours than the file", Xpm(" c #000000", "").replace("2 2 1", "2 999999999 1"),
      "xpm", limit, FormatStatus::Damaged);
}

void ImageReadingTest::readsOrRefuses() {
  QFETCH(QByteArray, bytes);
  QFETCH(QByteArray, format);
  QFETCH(int, limitMb);
  QFETCH(FormatStatus, status);
  QFETCH(QSize, size);
  QFETCH(bool, asItIs);
  ImportedImage image;
  QCOMPARE(Read(bytes, format, limitMb, image), status);
  if (status != FormatStatus::Ok) return;
  QCOMPARE(image.size, size);
  QCOMPARE(image.greys.format(), QImage::Format_Grayscale8);
  QCOMPARE(image.greys.size(), size.boundedTo(QSize(kWorkingSide, kWorkingSide)));
  QCOMPARE(image.picture.has_value(), asItIs);
  if (asItIs) {
    QCOMPARE(QSize(image.picture->width, image.picture->height), size);
    QVERIFY(InkInThirdColumns(*image.picture));
  }
  // Greys at the image's own size show its columns; reduced, they average
  // a dark column with two light ones.
  for (int y = 0; y < image.greys.height(); ++y)
    for (int x = 0; x < image.greys.width(); ++x) {
      const int level = image.greys.constScanLine(y)[x];
      if (image.greys.size() == size)
        QVERIFY(x % 3 == 0 ? level < 128 : level >= 128);
      else
        QVERIFY2(level > 64 && level < 224, qPrintable(QString::number(level)));
    }
}

// A photo's file may say it is to be shown turned: its size, greys and
// picture come turned.
void ImageReadingTest::turnsAsTheFileSays() {
  QImage image(60, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  image.fill(Qt::white);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
  ImportedImage read;
  QCOMPARE(Read(ImageBytes(image, "jpeg", QImageIOHandler::TransformationRotate90), "", 64, read),
           FormatStatus::Ok);
  QCOMPARE(read.size, QSize(20, 60));
  QCOMPARE(read.greys.size(), QSize(20, 60));
  // Turned clockwise, the dark left half is on top.
  QVERIFY(read.greys.constScanLine(5)[10] < 64);
  QVERIFY(read.greys.constScanLine(55)[10] > 192);
}

void ImageReadingTest::readsEveryPngAsQtDoes_data() {
  QTest::addColumn<QByteArray>("bytes");
  for (int depth : {1, 2, 4, 8, 16}) QTest::addRow("grey, %d bits", depth) << Png(0, depth).Bytes();
  for (int depth : {1, 2, 4, 8}) QTest::addRow("palette, %d bits", depth) << Png(3, depth).Bytes();
  for (int depth : {8, 16}) {
    QTest::addRow("grey and alpha, %d bits", depth) << Png(4, depth).Bytes();
    QTest::addRow("RGB, %d bits", depth) << Png(2, depth).Bytes();
    QTest::addRow("RGBA, %d bits", depth) << Png(6, depth).Bytes();
    QTest::addRow("grey, %d bits, tRNS", depth) << Transparent(Png(0, depth)).Bytes();
  }
  // Not at 16 bits: Qt's reader ignores that tRNS (libpng and ImageMagick
  // make the colour transparent).
  QTest::newRow("RGB, tRNS") << Transparent(Png(2, 8)).Bytes();
  PngByHand palette = Png(3, 8);
  for (int i = 0; i < 100; ++i) palette.transparency += char(i * 5);
  QTest::newRow("palette, tRNS") << palette.Bytes();
  QTest::newRow("interlaced grey, 1 bit") << Png(0, 1, 37, 23, true).Bytes();
  QTest::newRow("interlaced palette, 4 bits") << Png(3, 4, 37, 23, true).Bytes();
  QTest::newRow("interlaced RGBA, 16 bits") << Png(6, 16, 37, 23, true).Bytes();
  QTest::newRow("interlaced, 1 x 1") << Png(2, 8, 1, 1, true).Bytes();
  QTest::newRow("interlaced, 3 x 2") << Png(0, 8, 3, 2, true).Bytes();
  QTest::newRow("interlaced, averaged") << Png(2, 8, 700, 530, true).Bytes();
  QTest::newRow("averaged across") << Png(4, 16, 900, 40).Bytes();
  QTest::newRow("widest") << Png(0, 1, kMostPngSide, 3).Bytes();
}

// Against Qt's own reader of the same file: the greys as the colours show
// on white, at most 2 levels apart where rounding differs, averaged as the
// import averages; and the two-colour rule for a picture that fits.
void ImageReadingTest::readsEveryPngAsQtDoes() {
  QFETCH(QByteArray, bytes);
  ImportedImage image;
  QCOMPARE(Read(bytes, "", 64, image), FormatStatus::Ok);
  const QImage colours = QImage::fromData(bytes, "png").convertToFormat(QImage::Format_ARGB32);
  QVERIFY(!colours.isNull());
  QCOMPARE(image.size, colours.size());
  QImage greys(colours.size(), QImage::Format_Grayscale8);
  for (int y = 0; y < colours.height(); ++y)
    for (int x = 0; x < colours.width(); ++x) {
      const QRgb c = colours.pixel(x, y);
      const double alpha = qAlpha(c) / 255.0;
      const double grey = 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
      greys.scanLine(y)[x] = uchar(std::lround(grey * alpha + 255 * (1 - alpha)));
    }
  greys = ScaledGreys(greys, image.greys.size());
  for (int y = 0; y < greys.height(); ++y)
    for (int x = 0; x < greys.width(); ++x)
      QVERIFY2(std::abs(image.greys.constScanLine(y)[x] - greys.constScanLine(y)[x]) <= 2,
               qPrintable(QStringLiteral("(%1, %2): %3, not %4")
                              .arg(x)
                              .arg(y)
                              .arg(image.greys.constScanLine(y)[x])
                              .arg(greys.constScanLine(y)[x])));
  Picture picture;
  const bool two_colours =
      FitsEditor(colours.width(), colours.height()) && TwoColourPicture(colours, picture);
  QCOMPARE(image.picture.has_value(), two_colours);
  if (two_colours) QVERIFY(*image.picture == picture);
}

void ImageReadingTest::refusesBadPngsQuietly_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<FormatStatus>("status");
  const QByteArray png = Png(2, 8, 300, 200).Bytes();
  QVERIFY(png.size() > 32768);  // more than one IDAT chunk
  for (qsizetype cut : {qsizetype(20), qsizetype(33), qsizetype(40000), png.size() / 2,
                        png.size() - 12, png.size() - 1})
    QTest::addRow("cut at %d", int(cut)) << png.left(cut) << FormatStatus::Truncated;
  QByteArray bad_crc = png;
  bad_crc[30] = char(bad_crc[30] ^ 1);  // in the header's CRC
  QTest::newRow("header's CRC wrong") << bad_crc << FormatStatus::Damaged;
  PngByHand bad_filter = Png(0, 8);
  bad_filter.filter = 5;
  QTest::newRow("no such filter") << bad_filter.Bytes() << FormatStatus::Damaged;
  QTest::newRow("no such depth") << Png(2, 4).Bytes() << FormatStatus::Damaged;
  QTest::newRow("too wide") << Png(0, 1, kMostPngSide + 1, 1).Bytes() << FormatStatus::TooLarge;
  // libpng warns about a tRNS where there is alpha, and reads the image.
  QTest::newRow("stray tRNS") << Transparent(Png(6, 8)).Bytes() << FormatStatus::Ok;
}

// Cut files get the reason that says so, others the damaged file's; and
// libpng's English messages never reach the terminal.
void ImageReadingTest::refusesBadPngsQuietly() {
  QFETCH(QByteArray, bytes);
  QFETCH(FormatStatus, status);
  ImportedImage image;
  FormatStatus read = FormatStatus::Ok;
  QCOMPARE(StandardErrorOf([&] { read = Read(bytes, "png", kImageMemoryLimitMb, image); }),
           QByteArray());
  QCOMPARE(read, status);
}

// 12000 x 12000 greys, squares of 1000 in turn black and white: 144 MB of
// pixels in a PNG of a fraction of a megabyte.
void ImageReadingTest::readsAVastPng() {
  PngByHand png = Png(0, 8, 12000, 12000);
  png.row_bytes = [](int y, char* bytes) {
    for (int x = 0; x < 12000; x += 1000)
      std::memset(bytes + x, (x / 1000 + y / 1000) % 2 * 255, 1000);
  };
  ImportedImage image;
  QCOMPARE(Read(png.Bytes(), "", kImageMemoryLimitMb, image), FormatStatus::Ok);
  QCOMPARE(image.size, QSize(12000, 12000));
  QCOMPARE(image.greys.size(), QSize(kWorkingSide, kWorkingSide));
  // The middles of the squares: 1000 pixels are 42.7 greys.
  for (int i = 0; i < 12; ++i)
    for (int j = 0; j < 12; ++j)
      QCOMPARE(image.greys.constScanLine(int((j + 0.5) * 42.67))[int((i + 0.5) * 42.67)],
               (i + j) % 2 * 255);
}

void ImageReadingTest::refusesCutJpegsAndGifs_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<FormatStatus>("status");
  QImage photo(120, 90, QImage::Format_RGB32);
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 120; ++x) photo.setPixel(x, y, qRgb(x * 2, y * 2, (x * y) % 256));
  for (bool progressive : {false, true}) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    QVERIFY(writer.write(photo));
    const char* kind = progressive ? "progressive JPEG" : "JPEG";
    QTest::addRow("%s, whole", kind) << jpeg << FormatStatus::Ok;
    QTest::addRow("%s, more after its end", kind) << jpeg + "more" << FormatStatus::Ok;
    for (int part : {4, 2})
      QTest::addRow("%s, 1/%d cut off", kind, part)
          << jpeg.left(jpeg.size() - jpeg.size() / part) << FormatStatus::Truncated;
    QTest::addRow("%s, no end marker", kind) << jpeg.chopped(2) << FormatStatus::Truncated;
  }
  // Made by ImageMagick: convert -size 80x60 gradient:black-white
  //   -fill '#c03030' -draw 'circle 40,30 40,10' -colors 64 photo.gif
  QFile file(QStringLiteral(TOCHKOGRAF_TEST_DATA "/images/photo.gif"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray gif = file.readAll();
  QTest::newRow("GIF, whole") << gif << FormatStatus::Ok;
  // The picture is whole without the trailer that ends the file.
  QTest::newRow("GIF, no trailer") << gif.chopped(1) << FormatStatus::Ok;
  for (qsizetype cut : {qsizetype(100), gif.size() / 2, gif.size() - 2})
    QTest::addRow("GIF cut at %d", int(cut)) << gif.left(cut) << FormatStatus::Truncated;
}

void ImageReadingTest::refusesCutJpegsAndGifs() {
  QFETCH(QByteArray, bytes);
  QFETCH(FormatStatus, status);
  ImportedImage image;
  QCOMPARE(Read(bytes, "", kImageMemoryLimitMb, image), status);
}

// gammu's copybitmap wrote the XPM of a Nokia operator logo; ImageMagick's
// convert read it into the PBM.
void ImageReadingTest::readsGammusXpmAsImageMagickDoes() {
  const QString data = QStringLiteral(TOCHKOGRAF_TEST_DATA "/images/");
  QFile file(data + "gammu.xpm");
  QVERIFY(file.open(QIODevice::ReadOnly));
  ImportedImage image;
  QCOMPARE(ReadImage(file, "xpm", kImageMemoryLimitMb, image), FormatStatus::Ok);
  const QImage theirs(data + "gammu_by_imagemagick.pbm");
  QCOMPARE(image.size, theirs.size());
  QVERIFY(image.picture);
  for (int y = 0; y < theirs.height(); ++y)
    for (int x = 0; x < theirs.width(); ++x)
      QCOMPARE(image.picture->cells(x + 1, y + 1) != kOff, qGray(theirs.pixel(x, y)) < 128);
}

QTEST_GUILESS_MAIN(ImageReadingTest)
#include "tst_image_reading.moc"
