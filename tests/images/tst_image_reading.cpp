#include <QBuffer>
#include <QtTest>

#include "fakes/image_bytes.h"
#include "files/otb_format.h"
#include "images/image_reading.h"

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

FormatStatus Read(const QByteArray& bytes, const QByteArray& format, int limit_mb,
                  ImportedImage& image) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return ReadImage(buffer, format, limit_mb, image);
}

}  // namespace

class ImageReadingTest : public QObject {
  Q_OBJECT

 private slots:
  void readsOrRefuses_data();
  void readsOrRefuses();
  void turnsAsTheFileSays();
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
  const QByteArray otb = EncodeOtb(72, 14, cells);
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
  row("large, averaged", ImageBytes(Columns(1500, 700, navy, pink), "png"), "", limit,
      FormatStatus::Ok, {1500, 700});

  row("over the memory limit", ImageBytes(Columns(600, 600, navy, pink), "png"), "", 1,
      FormatStatus::TooLarge);
  row("vast, by its header", "P6\n20000 20000\n255\n", "", limit, FormatStatus::TooLarge);
  row("vast OTB", QByteArray::fromHex("10ffffffff01"), "otb", limit, FormatStatus::TooLarge);
  row("not an image", "plain words", "", limit, FormatStatus::NotAnImage);
  row("not the type given", png, "jpeg", limit, FormatStatus::NotThisFormat);
  row("not OTB", "plain words", "otb", limit, FormatStatus::NotThisFormat);
  row("cut short", png.left(png.size() / 2), "", limit, FormatStatus::Damaged);
  row("OTB cut short", otb.left(50), "otb", limit, FormatStatus::Truncated);
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

QTEST_GUILESS_MAIN(ImageReadingTest)
#include "tst_image_reading.moc"
