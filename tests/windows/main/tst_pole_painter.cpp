#include <QImage>
#include <QPainter>
#include <QtTest>

#include "fakes/pictures.h"
#include "picture/frames.h"
#include "windows/main/pole_painter.h"

using namespace tochkograf;

namespace {

// Ink, paper, or with the onion skin on, the frame before's ink on paper.
QColor CellColour(const DocumentState& s, int x, int y) {
  if (s.Pixels(x, y)) return kInkColour;
  if (s.OnionOn && s.CurrentFrame > 0 && FrameCells(s, s.CurrentFrame - 1).At(x, y))
    return kOnionColour;
  return kPaperColour;
}

// The plain way to paint the picture: column by column, each cell filled
// and then outlined, so that a later cell's outline lies over the boundary
// it shares with the earlier one.
void PaintReference(QPainter& p, const DocumentState& s, const CellGeometry& g) {
  for (int x = 1; x <= s.MX; ++x)
    for (int y = 1; y <= s.MY; ++y) {
      const QRect fill(QPoint(g.EdgeX(x - 1), g.EdgeY(y - 1)),
                       QPoint(g.EdgeX(x) - 1, g.EdgeY(y) - 1));
      p.fillRect(fill, CellColour(s, x, y));
      if (!s.GridOn) continue;
      const int left = g.LineX(x - 1), top = g.LineY(y - 1);
      const int right = g.LineX(x), bottom = g.LineY(y);
      p.fillRect(QRect(QPoint(left, top), QPoint(right, top)), kGridColour);
      p.fillRect(QRect(QPoint(left, bottom), QPoint(right, bottom)), kGridColour);
      p.fillRect(QRect(QPoint(left, top), QPoint(left, bottom)), kGridColour);
      p.fillRect(QRect(QPoint(right, top), QPoint(right, bottom)), kGridColour);
    }
}

QImage Blank(const QSize& size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::magenta);  // shows any pixel left unpainted
  return image;
}

QImage Reference(const DocumentState& s, const CellGeometry& g) {
  QImage image = Blank(QSize(g.Width(), g.Height()));
  QPainter p(&image);
  PaintReference(p, s, g);
  return image;
}

// The painter's targets: a 32-bit image it writes straight into, the same
// seen through a shift (as a widget within its window is), and an image in
// a format it must hand rows to through QPainter.
enum class Target { kImage, kShiftedImage, kOtherFormat };
constexpr QPoint kShift(5, 3);

// Paints in tiles, as a series of partial repaints would, and returns the
// area as painted.
QImage Fast(const DocumentState& s, const CellGeometry& g, int tiles,
            Target target = Target::kImage) {
  const QSize area(g.Width(), g.Height());
  QImage image = target == Target::kShiftedImage
                     ? Blank(area + QSize(kShift.x() + 4, kShift.y() + 6))
                     : Blank(area);
  if (target == Target::kOtherFormat) image = image.convertToFormat(QImage::Format_RGB888);
  QPainter p(&image);
  if (target == Target::kShiftedImage) p.translate(kShift);
  PolePainter painter;
  const int tile_w = (g.Width() + tiles - 1) / tiles, tile_h = (g.Height() + tiles - 1) / tiles;
  for (int top = 0; top < g.Height(); top += tile_h)
    for (int left = 0; left < g.Width(); left += tile_w)
      painter.Paint(p, ShownCells::Of(s), g, QRect(left, top, tile_w, tile_h));
  p.end();
  if (target == Target::kOtherFormat) return image.convertToFormat(QImage::Format_RGB32);
  if (target != Target::kShiftedImage) return image;
  // Everything around the area must be left as it was.
  QImage around = image;
  QPainter(&around).fillRect(QRect(kShift, area), Qt::magenta);
  if (around != Blank(around.size())) return {};
  return image.copy(QRect(kShift, area));
}

QString FirstDifference(const QImage& a, const QImage& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y))
        return QStringLiteral("pixel (%1, %2): %3 instead of %4")
            .arg(x)
            .arg(y)
            .arg(a.pixel(x, y), 0, 16)
            .arg(b.pixel(x, y), 0, 16);
  return {};
}

}  // namespace

class PolePainterTest : public QObject {
  Q_OBJECT

 private slots:
  void matchesPlainCellByCellPainting_data();
  void matchesPlainCellByCellPainting();
  void showsColoursAtCentresAndBoundaries();
  void gridOffMergesCellsWithoutSeam();
  void oneCellFillsTheArea();
  void halfOpaquePainterBlends();
  void onionSkinShowsTheFrameBefore_data();
  void onionSkinShowsTheFrameBefore();
  void cellRepaintCoversWhatTheCellChanges_data();
  void cellRepaintCoversWhatTheCellChanges();
};

void PolePainterTest::matchesPlainCellByCellPainting_data() {
  QTest::addColumn<QSize>("area");
  QTest::addColumn<QSize>("picture");
  QTest::addColumn<int>("tiles");
  QTest::newRow("start") << QSize(301, 301) << QSize(32, 32) << 1;
  QTest::newRow("start, in tiles") << QSize(301, 301) << QSize(32, 32) << 7;
  QTest::newRow("72 x 14 in a square") << QSize(300, 300) << QSize(72, 14) << 3;
  QTest::newRow("1 x 1") << QSize(301, 301) << QSize(1, 1) << 2;
  QTest::newRow("largest on a big screen") << QSize(1920, 1080) << QSize(128, 96) << 1;
  QTest::newRow("largest in a small area") << QSize(100, 60) << QSize(128, 96) << 3;
  QTest::newRow("24 x 26 wide area") << QSize(1000, 200) << QSize(24, 26) << 5;
  QTest::newRow("1 pixel area") << QSize(1, 1) << QSize(16, 16) << 1;
  QTest::newRow("16 x 16, odd area, many tiles") << QSize(257, 131) << QSize(16, 16) << 13;
}

void PolePainterTest::matchesPlainCellByCellPainting() {
  QFETCH(QSize, area);
  QFETCH(QSize, picture);
  QFETCH(int, tiles);
  for (Flag grid : {kOn, kOff}) {
    DocumentState state = StartedDocument(picture.width(), picture.height());
    state.GridOn = grid;
    FillRandom(state.Pixels, area.width() * 31 + picture.width());
    const CellGeometry g(area.width(), area.height(), picture.width(), picture.height());
    const QImage reference = Reference(state, g);
    for (Target target : {Target::kImage, Target::kShiftedImage, Target::kOtherFormat}) {
      const QImage painted = Fast(state, g, tiles, target);
      QVERIFY2(!painted.isNull(), "painted outside the area");
      const QString difference = FirstDifference(painted, reference);
      QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("%1, target %2: %3")
                                                    .arg(grid ? "grid on" : "grid off")
                                                    .arg(static_cast<int>(target))
                                                    .arg(difference)));
    }
  }
}

void PolePainterTest::showsColoursAtCentresAndBoundaries() {
  DocumentState state = StartedDocument(2, 2);
  state.Pixels(1, 1) = kOn;
  state.Pixels(2, 2) = kOn;
  const CellGeometry g(100, 100, 2, 2);
  const QImage image = Fast(state, g, 1);
  QCOMPARE(image.pixelColor(25, 25), kInkColour);
  QCOMPARE(image.pixelColor(75, 25), kPaperColour);
  QCOMPARE(image.pixelColor(25, 75), kPaperColour);
  QCOMPARE(image.pixelColor(75, 75), kInkColour);
  for (int i = 0; i < 100; ++i) {
    for (int line : {0, 50, 99}) {
      QCOMPARE(image.pixelColor(line, i), kGridColour);
      QCOMPARE(image.pixelColor(i, line), kGridColour);
    }
  }
  QCOMPARE(image.pixelColor(1, 1), kInkColour);
  QCOMPARE(image.pixelColor(49, 49), kInkColour);
  QCOMPARE(image.pixelColor(51, 49), kPaperColour);
}

void PolePainterTest::gridOffMergesCellsWithoutSeam() {
  DocumentState state = StartedDocument(32, 32);
  state.GridOn = kOff;
  for (int y = 1; y <= 32; ++y)
    for (int x = 1; x <= 32; ++x) state.Pixels(x, y) = kOn;
  const QImage image = Fast(state, CellGeometry(301, 301, 32, 32), 1);
  QImage solid(image.size(), image.format());
  solid.fill(kInkColour);
  QCOMPARE(image, solid);
}

void PolePainterTest::oneCellFillsTheArea() {
  DocumentState state = StartedDocument(1, 1);
  state.GridOn = kOff;
  state.Pixels(1, 1) = kOn;
  const QImage image = Fast(state, CellGeometry(301, 301, 1, 1), 1);
  QCOMPARE(image.pixelColor(0, 0), kInkColour);
  QCOMPARE(image.pixelColor(300, 300), kInkColour);
}

// A painter that blends must get blended pixels, not the cells' own colours
// written over what was there.
void PolePainterTest::halfOpaquePainterBlends() {
  DocumentState state = StartedDocument(4, 4);
  state.GridOn = kOff;
  const CellGeometry g(40, 40, 4, 4);
  QImage image = Blank(QSize(40, 40));
  QPainter p(&image);
  p.setOpacity(0.5);
  PolePainter().Paint(p, ShownCells::Of(state), g, QRect(0, 0, 40, 40));
  p.end();
  const QColor shown = image.pixelColor(5, 5);
  QVERIFY2(shown != kPaperColour && shown != QColor(Qt::magenta), qPrintable(shown.name()));
}

void PolePainterTest::onionSkinShowsTheFrameBefore_data() {
  QTest::addColumn<bool>("onion");
  QTest::addColumn<int>("current");
  QTest::addColumn<int>("ghosts");  // cells of the onion's colour
  QTest::newRow("off") << false << 2 << 0;
  QTest::newRow("second frame") << true << 1 << 2;
  QTest::newRow("third frame") << true << 2 << 1;
  QTest::newRow("first frame has none before") << true << 0 << 0;
}

// Frames of 4 x 4: the first has ink at (1, 1) and (2, 1), the second at (2, 2) and
// (3, 3), the third at (3, 3) and (4, 4). Only paper cells show the frame
// before, and only its ink.
void PolePainterTest::onionSkinShowsTheFrameBefore() {
  QFETCH(bool, onion);
  QFETCH(int, current);
  QFETCH(int, ghosts);
  DocumentState state = StartedDocument(4, 4);
  state.Pixels(1, 1) = state.Pixels(2, 1) = kOn;
  AddBlankFrame(state);
  state.Pixels(2, 2) = state.Pixels(3, 3) = kOn;
  AddBlankFrame(state);
  state.Pixels(3, 3) = state.Pixels(4, 4) = kOn;
  GoToFrame(state, current);
  state.OnionOn = onion ? kOn : kOff;
  for (Flag grid : {kOn, kOff}) {
    state.GridOn = grid;
    const CellGeometry g(97, 61, 4, 4);
    const QImage painted = Fast(state, g, 2);
    QCOMPARE(FirstDifference(painted, Reference(state, g)), QString());
    int shown = 0;
    for (int y = 1; y <= 4; ++y)
      for (int x = 1; x <= 4; ++x)
        shown += painted.pixelColor(CellPaintRect(g, x, y).center()) == kOnionColour;
    QCOMPARE(shown, ghosts);
  }
}

void PolePainterTest::cellRepaintCoversWhatTheCellChanges_data() {
  QTest::addColumn<QSize>("area");
  QTest::addColumn<QSize>("picture");
  QTest::addColumn<bool>("grid");
  QTest::newRow("wide cells, grid") << QSize(100, 100) << QSize(2, 2) << true;
  QTest::newRow("uneven cells, grid") << QSize(302, 302) << QSize(128, 96) << true;
  QTest::newRow("uneven cells, no grid") << QSize(302, 302) << QSize(128, 96) << false;
  QTest::newRow("cells under a pixel") << QSize(100, 70) << QSize(128, 96) << true;
}

// Flipping any cell changes pixels only inside its repaint rectangle, and no
// two cells' rectangles overlap.
void PolePainterTest::cellRepaintCoversWhatTheCellChanges() {
  QFETCH(QSize, area);
  QFETCH(QSize, picture);
  QFETCH(bool, grid);
  DocumentState state = StartedDocument(picture.width(), picture.height());
  state.GridOn = grid ? kOn : kOff;
  const CellGeometry g(area.width(), area.height(), picture.width(), picture.height());
  const QImage before = Fast(state, g, 1);
  QImage owner(area, QImage::Format_Grayscale16);
  owner.fill(0);
  for (int y = 1; y <= picture.height(); ++y)
    for (int x = 1; x <= picture.width(); ++x) {
      const QRect cell = CellPaintRect(g, x, y);
      for (int r = cell.top(); r <= cell.bottom(); ++r)
        for (int c = cell.left(); c <= cell.right(); ++c) {
          const auto marked = reinterpret_cast<quint16*>(owner.scanLine(r)) + c;
          QVERIFY2(*marked == 0, qPrintable(QStringLiteral("cell %1,%2 overlaps").arg(x).arg(y)));
          *marked = 1;
        }
      if ((x * 7 + y * 3) % 29 != 0) continue;  // a spread of cells is enough
      state.Pixels(x, y) = kOn;
      const QImage after = Fast(state, g, 1);
      state.Pixels(x, y) = kOff;
      for (int r = 0; r < area.height(); ++r)
        for (int c = 0; c < area.width(); ++c)
          if (reinterpret_cast<const QRgb*>(before.constScanLine(r))[c] !=
              reinterpret_cast<const QRgb*>(after.constScanLine(r))[c])
            QVERIFY2(cell.contains(c, r),
                     qPrintable(QStringLiteral("cell %1,%2 changed pixel %3,%4 outside %5,%6 %7x%8")
                                    .arg(x)
                                    .arg(y)
                                    .arg(c)
                                    .arg(r)
                                    .arg(cell.x())
                                    .arg(cell.y())
                                    .arg(cell.width())
                                    .arg(cell.height())));
    }
}

QTEST_MAIN(PolePainterTest)
#include "tst_pole_painter.moc"
