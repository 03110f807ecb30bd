#include <QtTest>
#include <cmath>

#include "images/display_look.h"

using namespace tochkograf;

// Each screen shows a picture centred as the sketch places it, cut where
// it is larger, its pixels on the pitch with gaps between lit neighbours
// (none on e-paper), in the colours the screen is known by, and at the
// real size its name gives.
class DisplayLookTest : public QObject {
  Q_OBJECT

 private slots:
  void screensShowThePicture_data();
  void screensShowThePicture();
};

namespace {

// What a colour looks like, by eye.
QString Looks(QRgb c) {
  const int r = qRed(c), g = qGreen(c), b = qBlue(c);
  const int most = std::max({r, g, b}), least = std::min({r, g, b});
  if (most < 60) return QStringLiteral("dark");
  if (least > 180) return QStringLiteral("light");
  if (r > 200 && g > 160 && b < 100) return QStringLiteral("yellow");
  if (b > r + 60 && b >= g) return QStringLiteral("blue");
  if (g >= r && g >= b && most - least < 60) return QStringLiteral("grey-green");
  return QStringLiteral("other");
}

int Distance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
         std::abs(qBlue(a) - qBlue(b));
}

const DisplayModel* Find(const QString& name) {
  for (const DisplayModel& model : DisplayModels())
    if (model.caption.contains(name)) return &model;
  return nullptr;
}

}  // namespace

void DisplayLookTest::screensShowThePicture_data() {
  QTest::addColumn<QString>("screen");
  QTest::addColumn<QSize>("picture");
  QTest::addColumn<QPoint>("cell");    // lit, with its right-hand neighbour
  QTest::addColumn<QPoint>("pixel");   // where the cell shows on the panel
  QTest::addColumn<double>("inches");  // the diagonal its name gives; 0: none
  QTest::addColumn<QString>("paper");
  QTest::addColumn<QString>("ink");
  QTest::addColumn<bool>("gaps");
  // (128 - 72) / 2 = 28 and (64 - 14) / 2 = 25.
  QTest::newRow("SSD1306 white, 72 x 14 centred")
      << "0,96″, белый" << QSize(72, 14) << QPoint(1, 1) << QPoint(28, 25) << 0.96 << "dark"
      << "light" << true;
  QTest::newRow("SSD1306 blue, whole")
      << "0,96″, синий" << QSize(128, 64) << QPoint(100, 60) << QPoint(99, 59) << 0.96 << "dark"
      << "blue" << true;
  QTest::newRow("yellow-and-blue, row 16 yellow")
      << "жёлто-синий" << QSize(128, 64) << QPoint(10, 16) << QPoint(9, 15) << 0.96 << "dark"
      << "yellow" << true;
  QTest::newRow("yellow-and-blue, row 17 blue")
      << "жёлто-синий" << QSize(128, 64) << QPoint(10, 17) << QPoint(9, 16) << 0.96 << "dark"
      << "blue" << true;
  // Half a pixel of margin is rounded down: none.
  QTest::newRow("SSD1306 128 x 32, 127 x 31")
      << "0,91″" << QSize(127, 31) << QPoint(1, 1) << QPoint(0, 0) << 0.91 << "dark"
      << "light" << true;
  QTest::newRow("SH1106") << "SH1106" << QSize(16, 16) << QPoint(3, 4) << QPoint(58, 27) << 1.3
                          << "dark"
                          << "light" << true;
  // (84 - 128) / 2 = -22 and (48 - 96) / 2 = -24: the middle shows.
  QTest::newRow("PCD8544, the largest picture cut")
      << "PCD8544" << QSize(128, 96) << QPoint(23, 25) << QPoint(0, 0) << 0.0 << "grey-green"
      << "dark" << true;
  // (84 - 85) / 2 = -0.5, rounded down to -1.
  QTest::newRow("Nokia 3310, one column too many")
      << "3310" << QSize(85, 48) << QPoint(2, 48) << QPoint(0, 47) << 0.0 << "grey-green"
      << "dark" << true;
  QTest::newRow("ST7920") << "ST7920" << QSize(32, 32) << QPoint(1, 32) << QPoint(48, 47) << 0.0
                          << "blue"
                          << "light" << true;
  // (250 - 16) / 2 = 117 and (122 - 16) / 2 = 53.
  QTest::newRow("e-paper") << "бумага" << QSize(16, 16) << QPoint(1, 1) << QPoint(117, 53) << 2.13
                           << "light"
                           << "dark" << false;
  QTest::newRow("Siemens C45") << "C45" << QSize(101, 64) << QPoint(50, 30) << QPoint(49, 29) << 0.0
                               << "light"
                               << "dark" << true;
}

void DisplayLookTest::screensShowThePicture() {
  QFETCH(QString, screen);
  QFETCH(QSize, picture);
  QFETCH(QPoint, cell);
  QFETCH(QPoint, pixel);
  QFETCH(double, inches);
  QFETCH(QString, paper);
  QFETCH(QString, ink);
  QFETCH(bool, gaps);
  const DisplayModel* model = Find(screen);
  QVERIFY(model);
  PixelGrid cells;
  cells(cell.x(), cell.y()) = kOn;
  cells(cell.x() + 1, cell.y()) = kOn;

  // Twenty image pixels to a screen's pixel, each way: a gap of a tenth of
  // that covers the image pixel at the border between two.
  constexpr int kPitch = 20;
  const QSizeF per_mm(kPitch / model->pitch_mm.width(), kPitch / model->pitch_mm.height());
  const QImage image = DisplayLook(cells, picture, *model, per_mm);
  QVERIFY(std::abs(image.width() - model->pixels.width() * kPitch) <= 1);
  QVERIFY(std::abs(image.height() - model->pixels.height() * kPitch) <= 1);
  const auto at = [&image](double x, double y) {
    return image.pixel(static_cast<int>(x * kPitch), static_cast<int>(y * kPitch));
  };
  const double y = pixel.y() + 0.5;
  const QRgb lit = at(pixel.x() + 0.5, y);
  QCOMPARE(Looks(lit), ink);
  QCOMPARE(Looks(at(pixel.x() + 2.5, y)), paper);
  QCOMPARE(Looks(image.pixel(image.width() - 1, image.height() - 1)), paper);  // no row's ink
  // Between the two lit pixels.
  const QRgb between = at(pixel.x() + 1, y);
  QCOMPARE(Distance(between, lit) > Distance(between, model->paper), gaps);

  // At 254 dpi, 10 screen pixels to a millimetre: the diagonal its name gives.
  if (inches > 0) {
    const QSize real = DisplayLookSize(*model, QSizeF(10, 10));
    const double diagonal = std::hypot(real.width(), real.height()) / 10 / 25.4;
    QVERIFY2(std::abs(diagonal - inches) < 0.05 * inches, qPrintable(QString::number(diagonal)));
  }
}

QTEST_GUILESS_MAIN(DisplayLookTest)
#include "tst_display_look.moc"
