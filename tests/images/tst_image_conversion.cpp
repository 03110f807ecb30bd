#include <QRandomGenerator>
#include <QtTest>
#include <cmath>

#include "fakes/image_bytes.h"
#include "images/area_scaling.h"
#include "images/image_conversion.h"
#include "images/monochrome.h"

using namespace tochkograf;

namespace {

int Ink(const Picture& picture) {
  int ink = 0;
  for (int y = 1; y <= picture.height; ++y)
    for (int x = 1; x <= picture.width; ++x) ink += picture.cells(x, y) != kOff;
  return ink;
}

// The mean of the source over the area each result pixel covers, worked
// out pixel by pixel in doubles.
double ReferenceArea(const QImage& from, QSize to, int i, int j) {
  const double sx = double(from.width()) / to.width(), sy = double(from.height()) / to.height();
  double sum = 0;
  for (int y = 0; y < from.height(); ++y) {
    const double h = std::min(y + 1.0, (j + 1) * sy) - std::max(double(y), j * sy);
    if (h <= 0) continue;
    for (int x = 0; x < from.width(); ++x) {
      const double w = std::min(x + 1.0, (i + 1) * sx) - std::max(double(x), i * sx);
      if (w > 0) sum += w * h * from.constScanLine(y)[x];
    }
  }
  return sum / (sx * sy);
}

}  // namespace

class ImageConversionTest : public QObject {
  Q_OBJECT

 private slots:
  void otsuPartsTwoLevels_data();
  void otsuPartsTwoLevels();
  void ditheringFlatHalfGreyGivesHalfInk_data();
  void ditheringFlatHalfGreyGivesHalfInk();
  void orderedDitheringKeepsBlackAndWhiteAtEveryThreshold();
  void scalingAveragesAreas_data();
  void scalingAveragesAreas();
  void sizeChoices_data();
  void sizeChoices();
  void framing_data();
  void framing();
};

void ImageConversionTest::otsuPartsTwoLevels_data() {
  QTest::addColumn<int>("dark");
  QTest::addColumn<int>("light");
  QTest::newRow("far apart") << 40 << 200;
  QTest::newRow("black and white") << 0 << 255;
  QTest::newRow("close") << 100 << 110;
}

// A quarter of the pixels dark in a pattern: the threshold lies between the
// levels, and without dithering the picture is the pattern.
void ImageConversionTest::otsuPartsTwoLevels() {
  QFETCH(int, dark);
  QFETCH(int, light);
  QImage greys = FlatGreys(40, 30, light);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      if ((x + 3 * y) % 4 == 0) greys.scanLine(y)[x] = uchar(dark);
  const int threshold = OtsuThreshold(greys);
  QVERIFY2(dark < threshold && threshold <= light, qPrintable(QString::number(threshold)));
  for (bool invert : {false, true}) {
    const Picture picture = Monochrome(greys, threshold, Dithering::None, invert);
    QCOMPARE(QSize(picture.width, picture.height), greys.size());
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x)
        QCOMPARE(picture.cells(x + 1, y + 1) != kOff, ((x + 3 * y) % 4 == 0) != invert);
  }
}

void ImageConversionTest::ditheringFlatHalfGreyGivesHalfInk_data() {
  QTest::addColumn<Dithering>("dithering");
  QTest::newRow("Floyd-Steinberg") << Dithering::FloydSteinberg;
  QTest::newRow("ordered") << Dithering::Bayer;
}

void ImageConversionTest::ditheringFlatHalfGreyGivesHalfInk() {
  QFETCH(Dithering, dithering);
  const QImage greys = FlatGreys(kMaxWidth, kMaxHeight, 128);
  const Picture picture = Monochrome(greys, 128, dithering, false);
  const int pixels = kMaxWidth * kMaxHeight;
  QVERIFY2(std::abs(Ink(picture) - pixels / 2) <= pixels / 50,
           qPrintable(QString::number(Ink(picture))));
  // Spread evenly, not in blocks: every 8 x 8 square has ink and paper.
  for (int y = 1; y <= kMaxHeight; y += 8)
    for (int x = 1; x <= kMaxWidth; x += 8) {
      int ink = 0;
      for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i) ink += picture.cells(x + i, y + j) != kOff;
      QVERIFY(ink > 16 && ink < 48);
    }
  const Picture inverted = Monochrome(greys, 128, dithering, true);
  QCOMPARE(Ink(inverted), pixels - Ink(picture));
}

// The threshold moves the balance of ink and paper between black and
// white, which stay as they are.
void ImageConversionTest::orderedDitheringKeepsBlackAndWhiteAtEveryThreshold() {
  const auto ink_share = [](int grey, int threshold) {
    const QImage greys = FlatGreys(kMaxWidth, kMaxHeight, grey);
    return Ink(Monochrome(greys, threshold, Dithering::Bayer, false)) /
           double(kMaxWidth * kMaxHeight);
  };
  for (int threshold = 0; threshold <= 255; ++threshold) {
    QCOMPARE(ink_share(255, threshold), 0.0);
    QCOMPARE(ink_share(0, threshold), 1.0);
    // Black and white themselves at the ends.
    if (threshold > 0 && threshold < 255) QCOMPARE(ink_share(threshold, threshold), 0.5);
    for (int grey : {64, 128, 192})
      if (threshold > 0)
        QVERIFY2(ink_share(grey, threshold) >= ink_share(grey, threshold - 1),
                 qPrintable(QStringLiteral("grey %1 at %2").arg(grey).arg(threshold)));
  }
  for (int grey : {64, 128, 192}) {
    QVERIFY(ink_share(grey, 0) < 0.25);
    QVERIFY(ink_share(grey, 255) > 0.75);
  }
}

void ImageConversionTest::scalingAveragesAreas_data() {
  QTest::addColumn<QSize>("from");
  QTest::addColumn<QSize>("to");
  QTest::newRow("same size") << QSize(13, 7) << QSize(13, 7);
  QTest::newRow("by whole steps") << QSize(512, 384) << QSize(128, 96);
  QTest::newRow("by parts of pixels") << QSize(300, 77) << QSize(128, 50);
  QTest::newRow("to one pixel") << QSize(45, 31) << QSize(1, 1);
  QTest::newRow("one way larger") << QSize(20, 200) << QSize(64, 30);
  QTest::newRow("larger") << QSize(7, 5) << QSize(30, 23);
}

void ImageConversionTest::scalingAveragesAreas() {
  QFETCH(QSize, from);
  QFETCH(QSize, to);
  QImage greys(from, QImage::Format_Grayscale8);
  QRandomGenerator random(from.width() * 1000 + to.width());
  for (int y = 0; y < from.height(); ++y)
    for (int x = 0; x < from.width(); ++x) greys.scanLine(y)[x] = uchar(random.bounded(256));
  const QImage scaled = ScaledGreys(greys, to);
  QCOMPARE(scaled.size(), to);
  QCOMPARE(scaled.format(), QImage::Format_Grayscale8);
  for (int j = 0; j < to.height(); ++j)
    for (int i = 0; i < to.width(); ++i) {
      const double expected = ReferenceArea(greys, to, i, j);
      QVERIFY2(std::abs(scaled.constScanLine(j)[i] - expected) <= 0.51,
               qPrintable(QStringLiteral("(%1, %2): %3, not %4")
                              .arg(i)
                              .arg(j)
                              .arg(scaled.constScanLine(j)[i])
                              .arg(expected)));
    }
}

void ImageConversionTest::sizeChoices_data() {
  QTest::addColumn<QSize>("image");
  QTest::addColumn<SizeChoice>("choice");
  QTest::addColumn<QSize>("size");
  QTest::newRow("fit, wide") << QSize(4000, 1000) << SizeChoice::Fit << QSize(128, 32);
  QTest::newRow("fit, high") << QSize(300, 900) << SizeChoice::Fit << QSize(32, 96);
  QTest::newRow("fit, 4 by 3") << QSize(4000, 3000) << SizeChoice::Fit << QSize(128, 96);
  QTest::newRow("fit, never enlarged") << QSize(40, 30) << SizeChoice::Fit << QSize(40, 30);
  QTest::newRow("fit, a line") << QSize(10000, 3) << SizeChoice::Fit << QSize(128, 1);
  QTest::newRow("current") << QSize(4000, 3000) << SizeChoice::Current << QSize(72, 14);
  QTest::newRow("typed") << QSize(40, 30) << SizeChoice::Typed << QSize(100, 9);
  QTest::newRow("display") << QSize(40, 30) << SizeChoice::Display << QSize(84, 48);
}

void ImageConversionTest::sizeChoices() {
  QFETCH(QSize, image);
  QFETCH(SizeChoice, choice);
  QFETCH(QSize, size);
  ConversionSettings settings;
  settings.size = choice;
  settings.current = QSize(72, 14);
  settings.typed = QSize(100, 9);
  settings.display = QSize(84, 48);
  QCOMPARE(TargetSize(settings, image), size);
}

void ImageConversionTest::framing_data() {
  QTest::addColumn<Framing>("framing");
  QTest::addColumn<QRect>("ink");  // in the 30 x 30 picture, from (1, 1)
  QTest::newRow("contain: all of it, paper round") << Framing::Contain << QRect(11, 11, 10, 10);
  QTest::newRow("cover: the middle third") << Framing::Cover << QRect(1, 1, 30, 30);
}

// An image three times as wide as high, its middle third black, into a
// square.
void ImageConversionTest::framing() {
  QFETCH(Framing, framing);
  QFETCH(QRect, ink);
  QImage thirds(300, 100, QImage::Format_RGB32);
  thirds.fill(Qt::white);
  for (int y = 0; y < 100; ++y)
    for (int x = 100; x < 200; ++x) thirds.setPixel(x, y, qRgb(0, 0, 0));
  const ImportedImage image = ImportedImageOf(thirds);
  ImageConversion conversion(image);
  ConversionSettings settings;
  settings.size = SizeChoice::Typed;
  settings.typed = QSize(30, 30);
  settings.framing = framing;
  const Picture picture = conversion.Result(settings);
  QCOMPARE(QSize(picture.width, picture.height), QSize(30, 30));
  for (int y = 1; y <= 30; ++y)
    for (int x = 1; x <= 30; ++x)
      QVERIFY2((picture.cells(x, y) != kOff) == ink.contains(x, y),
               qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
}

QTEST_GUILESS_MAIN(ImageConversionTest)
#include "tst_image_conversion.moc"
