#include <QtTest>
#include <limits>

#include "fakes/pictures.h"
#include "fakes/recording_view.h"
#include "picture/pen.h"

using namespace tochkograf;

class PenTest : public QObject {
  Q_OBJECT

 private slots:
  void mapsPositionToCell_data();
  void mapsPositionToCell();
  void rightButtonClearsAndMarksChangedEvenWhenAlreadyOff();
  void middleButtonMarksChangedButDrawsNothing();
  void pressTakesSnapshotBeforeDrawing();
  void strokeEndsOnReleaseAndOnResize();
  void secondButtonTakesNewSnapshotAndReplacesButton();
  void cellsBeyondPictureSizeAreUnreachable();
  void strokeJoinsItsPositions_data();
  void strokeJoinsItsPositions();
};

void PenTest::mapsPositionToCell_data() {
  QTest::addColumn<double>("width");
  QTest::addColumn<double>("height");
  QTest::addColumn<int>("columns");
  QTest::addColumn<int>("rows");
  QTest::addColumn<double>("X");
  QTest::addColumn<double>("Y");
  QTest::addColumn<QPoint>("cell");  // (0, 0): nothing drawn
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  QTest::newRow("origin") << 320.0 << 320.0 << 32 << 32 << 0.0 << 0.0 << QPoint(1, 1);
  QTest::newRow("just left of a boundary")
      << 320.0 << 320.0 << 32 << 32 << 9.99 << 5.0 << QPoint(1, 1);
  QTest::newRow("on a boundary goes right")
      << 320.0 << 320.0 << 32 << 32 << 10.0 << 5.0 << QPoint(2, 1);
  QTest::newRow("on a boundary goes down")
      << 320.0 << 320.0 << 32 << 32 << 5.0 << 10.0 << QPoint(1, 2);
  QTest::newRow("last column") << 320.0 << 320.0 << 32 << 32 << 319.9 << 319.9 << QPoint(32, 32);
  QTest::newRow("right edge is outside") << 320.0 << 320.0 << 32 << 32 << 320.0 << 5.0 << QPoint();
  QTest::newRow("bottom edge is outside") << 320.0 << 320.0 << 32 << 32 << 5.0 << 320.0 << QPoint();
  QTest::newRow("floor, not truncation, left")
      << 320.0 << 320.0 << 32 << 32 << -0.1 << 5.0 << QPoint();
  QTest::newRow("floor, not truncation, top")
      << 320.0 << 320.0 << 32 << 32 << 5.0 << -0.1 << QPoint();
  QTest::newRow("far outside") << 320.0 << 320.0 << 32 << 32 << 1e300 << -1e300 << QPoint();
  QTest::newRow("infinite") << 320.0 << 320.0 << 32 << 32 << inf << 5.0 << QPoint();
  QTest::newRow("minus infinite") << 320.0 << 320.0 << 32 << 32 << 5.0 << -inf << QPoint();
  QTest::newRow("not a number") << 320.0 << 320.0 << 32 << 32 << nan << 5.0 << QPoint();
  QTest::newRow("zero-wide area") << 0.0 << 320.0 << 32 << 32 << 0.0 << 5.0 << QPoint();
  QTest::newRow("zero-high area") << 320.0 << 0.0 << 32 << 32 << 5.0 << 0.0 << QPoint();
  QTest::newRow("zero-sized area") << 0.0 << 0.0 << 32 << 32 << 0.0 << 0.0 << QPoint();
  // 72 x 14 in a square area: cells 4.1667 wide and 21.4286 high.
  QTest::newRow("wide cells, column 1")
      << 300.0 << 300.0 << 72 << 14 << 4.16 << 21.42 << QPoint(1, 1);
  QTest::newRow("wide cells, next cell")
      << 300.0 << 300.0 << 72 << 14 << 4.17 << 21.43 << QPoint(2, 2);
  QTest::newRow("wide cells, last")
      << 300.0 << 300.0 << 72 << 14 << 299.99 << 299.99 << QPoint(72, 14);
  QTest::newRow("one cell fills all") << 305.0 << 305.0 << 1 << 1 << 304.9 << 0.0 << QPoint(1, 1);
  QTest::newRow("largest picture")
      << 1920.0 << 1080.0 << 128 << 96 << 1919.0 << 1079.0 << QPoint(128, 96);
}

void PenTest::mapsPositionToCell() {
  QFETCH(double, width);
  QFETCH(double, height);
  QFETCH(int, columns);
  QFETCH(int, rows);
  QFETCH(double, X);
  QFETCH(double, Y);
  QFETCH(QPoint, cell);
  DocumentState state = StartedDocument(columns, rows);
  RecordingView view(width, height);

  PoleMouseDown(state, view, kLeftButton, X, Y);

  const bool inside = !cell.isNull();
  QCOMPARE(CountOn(state.Pixels), inside ? 1 : 0);
  QCOMPARE(state.IZM, inside ? kOn : kOff);
  if (inside) {
    QCOMPARE(state.Pixels(cell.x(), cell.y()), kOn);
    QCOMPARE(view.cells, QVector<QPoint>{cell});
  } else {
    QVERIFY(view.cells.isEmpty());
  }
}

void PenTest::rightButtonClearsAndMarksChangedEvenWhenAlreadyOff() {
  DocumentState state = StartedDocument();
  RecordingView view(320, 320);
  state.Pixels(3, 1) = kOn;

  PoleMouseDown(state, view, kRightButton, 25, 5);  // cell (3, 1)
  PoleMouseMove(state, view, 35, 5);                // cell (4, 1), already off
  PoleMouseUp(state);

  QCOMPARE(CountOn(state.Pixels), 0);
  QCOMPARE(state.IZM, kOn);
  QCOMPARE(view.cells, (QVector<QPoint>{{3, 1}, {4, 1}}));
}

void PenTest::middleButtonMarksChangedButDrawsNothing() {
  DocumentState state = StartedDocument();
  RecordingView view(320, 320);
  state.Pixels(1, 1) = kOn;
  PixelGrid before = state.Pixels;

  PoleMouseDown(state, view, kMiddleButton, 5, 5);
  QCOMPARE(state.IZM, kOn);
  QCOMPARE(state.Undo.Pixels, before);  // the snapshot was replaced
  state.IZM = kOff;
  PoleMouseMove(state, view, 55, 55);
  QCOMPARE(state.IZM, kOn);  // again at every position inside the picture
  state.IZM = kOff;
  PoleMouseMove(state, view, -5, 55);
  QCOMPARE(state.IZM, kOff);

  QCOMPARE(state.Pixels, before);
  QVERIFY(view.cells.isEmpty());
}

void PenTest::pressTakesSnapshotBeforeDrawing() {
  DocumentState state = StartedDocument();
  RecordingView view(320, 320);
  state.Pixels(2, 2) = kOn;

  PoleMouseDown(state, view, kLeftButton, 5, 5);
  PoleMouseMove(state, view, 15, 5);
  PoleMouseUp(state);

  QCOMPARE(CountOn(state.Undo.Pixels), 1);
  QCOMPARE(state.Undo.Pixels(2, 2), kOn);
  QCOMPARE(CountOn(state.Pixels), 3);
}

void PenTest::strokeEndsOnReleaseAndOnResize() {
  DocumentState state = StartedDocument();
  RecordingView view(320, 320);

  PoleMouseMove(state, view, 5, 5);  // no button: nothing at all
  QCOMPARE(state.IZM, kOff);

  PoleMouseDown(state, view, kLeftButton, 5, 5);
  PoleMouseUp(state);
  QCOMPARE(state.DrawButton, kNoButton);
  PoleMouseMove(state, view, 15, 5);
  QCOMPARE(CountOn(state.Pixels), 1);

  PoleMouseDown(state, view, kLeftButton, 25, 5);
  view.SetInnerSize(640, 640);
  PoleResized(state, view);
  QCOMPARE(view.whole_repaints, 1);
  QCOMPARE(view.size_label, QStringLiteral(" 32 x 32"));
  PoleMouseMove(state, view, 100, 100);
  QCOMPARE(CountOn(state.Pixels), 2);  // the resize ended the stroke
}

void PenTest::secondButtonTakesNewSnapshotAndReplacesButton() {
  DocumentState state = StartedDocument();
  RecordingView view(320, 320);

  PoleMouseDown(state, view, kLeftButton, 5, 5);
  PoleMouseDown(state, view, kRightButton, 5, 5);
  QCOMPARE(state.DrawButton, kRightButton);
  QCOMPARE(state.Undo.Pixels(1, 1), kOn);  // snapshot includes the first press
  QCOMPARE(state.Pixels(1, 1), kOff);
}

void PenTest::cellsBeyondPictureSizeAreUnreachable() {
  DocumentState state = StartedDocument(16, 16);
  RecordingView view(320, 320);
  state.Pixels(20, 20) = kOn;

  PoleMouseDown(state, view, kRightButton, 319, 319);  // cell (16, 16) now

  QCOMPARE(state.Pixels(20, 20), kOn);
  QCOMPARE(view.cells, QVector<QPoint>{QPoint(16, 16)});
}

void PenTest::strokeJoinsItsPositions_data() {
  // Positions in a 320 x 320 area of a 32 x 32 picture, cells 10 units
  // square; the cells in the order the stroke reaches them, each once.
  QTest::addColumn<QList<QPointF>>("stroke");
  QTest::addColumn<QList<QPoint>>("cells");
  QTest::newRow("fast across") << QList<QPointF>{{5, 5}, {55, 5}, {58, 8}}
                               << QList<QPoint>{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}};
  QTest::newRow("fast diagonal, 30 units a move")
      << QList<QPointF>{{5, 5}, {35, 35}, {65, 65}}
      << QList<QPoint>{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}};
  // x = 1 + (y - 1) / 4: half-way at row 3, where the right cell is taken.
  QTest::newRow("steep") << QList<QPointF>{{5, 5}, {15, 45}}
                         << QList<QPoint>{{1, 1}, {1, 2}, {2, 3}, {2, 4}, {2, 5}};
  QTest::newRow("out past the edge and back in")
      << QList<QPointF>{{305, 5}, {345, 5}, {305, 45}}
      << QList<QPoint>{{31, 1}, {32, 1}, {32, 4}, {31, 5}};
}

// A fast stroke is the line the user drew, not a row of dots.
void PenTest::strokeJoinsItsPositions() {
  QFETCH(QList<QPointF>, stroke);
  QFETCH(QList<QPoint>, cells);
  DocumentState state = StartedDocument();
  RecordingView view(320, 320);
  PoleMouseDown(state, view, kLeftButton, stroke[0].x(), stroke[0].y());
  for (const QPointF& at : stroke.mid(1)) PoleMouseMove(state, view, at.x(), at.y());
  QCOMPARE(view.cells, cells);
  QCOMPARE(CountOn(state.Pixels), cells.size());
  for (const QPoint& cell : cells) QCOMPARE(state.Pixels(cell.x(), cell.y()), kOn);
}

QTEST_GUILESS_MAIN(PenTest)
#include "tst_pen.moc"
