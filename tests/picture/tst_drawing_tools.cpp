#include <QtTest>

#include "fakes/pictures.h"
#include "fakes/recording_view.h"
#include "picture/drawing_tools.h"
#include "picture/pen.h"
#include "picture/undo_clipboard.h"

using namespace tochkograf;

namespace {

// The middle of cell (x, y) of a 32 x 32 picture in the view's 320 x 320.
double At(int cell) { return (cell - 0.5) * 10; }

QList<QPoint> OnCells(const PixelGrid& grid, int width, int height) {
  QList<QPoint> cells;
  for (int y = 1; y <= height; ++y)
    for (int x = 1; x <= width; ++x)
      if (grid(x, y)) cells << QPoint(x, y);
  return cells;
}

struct Drawing {
  DocumentState state = StartedDocument();
  RecordingView view;
  DrawingTools tools;

  void Down(std::uint8_t button, int x, int y, bool shift = false) {
    tools.MouseDown(state, view, button, At(x), At(y), shift);
  }
  void Move(int x, int y, bool shift = false) { tools.MouseMove(state, view, At(x), At(y), shift); }
  void Up(std::uint8_t button) { tools.MouseUp(state, view, button); }
};

}  // namespace

class DrawingToolsTest : public QObject {
  Q_OBJECT

 private slots:
  void shapeFollowsTheMouseAndIsOneStep();
  void cancelLeavesEverythingAsItWas_data();
  void cancelLeavesEverythingAsItWas();
  void shiftHoldsTheShape();
  void shapeIsClippedToThePicture();
  void fillIsOneStepUnlessNothingChanges();
};

// While dragged the shape is only shown, and only the cells whose colour
// changes are repainted; released, it is drawn, and undo takes it back.
void DrawingToolsTest::shapeFollowsTheMouseAndIsOneStep() {
  Drawing d;
  d.state.Tool = DrawingTool::kLine;
  d.state.Pixels(4, 2) = kOn;
  const PixelGrid before = d.state.Pixels;
  d.Down(kLeftButton, 2, 2);
  QVERIFY(d.state.Undo.Pixels == before);
  d.Move(5, 2);
  d.view.Clear();
  d.Move(5, 3);
  // (4, 2) and (5, 2) give way to (4, 3) and (5, 3); (4, 2) is ink already.
  QCOMPARE(d.view.cells, (QList<QPoint>{{5, 2}, {4, 3}, {5, 3}}));
  QVERIFY(d.state.Pixels == before);
  QCOMPARE(d.state.IZM, kOff);
  d.Up(kLeftButton);
  QCOMPARE(OnCells(d.state.Pixels, 32, 32),
           (QList<QPoint>{{2, 2}, {3, 2}, {4, 2}, {4, 3}, {5, 3}}));
  QCOMPARE(d.state.IZM, kOn);
  QVERIFY(d.tools.Preview().cells.Empty());
  ExchangeWithUndo(d.state);
  QVERIFY(d.state.Pixels == before);
}

void DrawingToolsTest::cancelLeavesEverythingAsItWas_data() {
  QTest::addColumn<bool>("other_button");
  QTest::newRow("Esc") << false;
  QTest::newRow("the other button") << true;
}

void DrawingToolsTest::cancelLeavesEverythingAsItWas() {
  QFETCH(bool, other_button);
  Drawing d;
  d.state.Tool = DrawingTool::kFilledEllipse;
  FillRandom(d.state.Pixels, 4);
  FillRandom(d.state.Undo.Pixels, 5);
  const DocumentState before = d.state;
  d.Down(kRightButton, 3, 3);
  d.Move(20, 12);
  d.view.Clear();
  if (other_button)
    d.Down(kLeftButton, 20, 12);
  else
    d.tools.Cancel(d.state, d.view);
  d.Up(kRightButton);
  d.Up(kLeftButton);
  QVERIFY(d.state.Pixels == before.Pixels && d.state.Undo.Pixels == before.Undo.Pixels);
  QCOMPARE(d.state.IZM, kOff);
  QVERIFY(d.tools.Preview().cells.Empty() && !d.tools.Dragging());
  QVERIFY(!d.view.cells.isEmpty());  // what the shape covered is shown again
}

// A line to the nearest of 0, 45 and 90 degrees, a square, a circle.
void DrawingToolsTest::shiftHoldsTheShape() {
  Drawing d;
  d.state.Tool = DrawingTool::kLine;
  d.Down(kLeftButton, 2, 2, true);
  d.Move(9, 4, true);
  d.Up(kLeftButton);
  QCOMPARE(OnCells(d.state.Pixels, 32, 32).size(), 8);
  QCOMPARE(OnCells(d.state.Pixels, 32, 32).last(), QPoint(9, 2));
  d.state.Tool = DrawingTool::kFilledRectangle;
  d.Down(kLeftButton, 20, 20);
  d.Move(22, 27);
  d.tools.ShiftChanged(d.state, d.view, true);
  d.Up(kLeftButton);
  QCOMPARE(OnCells(d.state.Pixels, 32, 32).size(), 8 + 8 * 8);
  QCOMPARE(OnCells(d.state.Pixels, 32, 32).last(), QPoint(27, 27));
}

// The cells beyond the picture's size, hidden, stay as they are.
void DrawingToolsTest::shapeIsClippedToThePicture() {
  Drawing d;
  d.state.MX = 20;
  d.state.MY = 10;
  d.view.SetInnerSize(200, 100);
  d.state.Tool = DrawingTool::kRectangle;
  FillRandom(d.state.Pixels, 8);
  PixelGrid expected = d.state.Pixels;
  for (int x = 15; x <= 20; ++x) expected(x, 6) = kOff;
  for (int y = 6; y <= 10; ++y) expected(15, y) = kOff;
  d.Down(kRightButton, 15, 6);
  d.Move(-3, 40);  // beyond the drawing area's bottom right
  d.Move(40, 40);
  d.Up(kRightButton);
  QVERIFY(d.state.Pixels == expected);
}

void DrawingToolsTest::fillIsOneStepUnlessNothingChanges() {
  Drawing d;
  d.state.Tool = DrawingTool::kFill;
  for (int y = 1; y <= 32; ++y) d.state.Pixels(10, y) = kOn;
  FillRandom(d.state.Undo.Pixels, 6);
  const DocumentState before = d.state;
  d.Down(kRightButton, 3, 3);  // paper on paper
  QVERIFY(d.state.Pixels == before.Pixels && d.state.Undo.Pixels == before.Undo.Pixels);
  QCOMPARE(d.state.IZM, kOff);
  d.Down(kLeftButton, 3, 3);
  d.Up(kLeftButton);
  QCOMPARE(OnCells(d.state.Pixels, 32, 32).size(), 10 * 32);
  QCOMPARE(d.state.IZM, kOn);
  QCOMPARE(d.view.cells.size(), 9 * 32);
  ExchangeWithUndo(d.state);
  QVERIFY(d.state.Pixels == before.Pixels);
}

QTEST_APPLESS_MAIN(DrawingToolsTest)
#include "tst_drawing_tools.moc"
