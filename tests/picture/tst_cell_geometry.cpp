#include <QtTest>

#include "fakes/pictures.h"
#include "fakes/recording_view.h"
#include "picture/cell_geometry.h"
#include "picture/pen.h"

using namespace tochkograf;

namespace {

struct Shape {
  int width, height, columns, rows;
};

const Shape kShapes[] = {{301, 301, 32, 32}, {305, 305, 32, 32},    {300, 300, 72, 14},
                         {301, 301, 1, 1},   {1920, 1080, 128, 96}, {1000, 750, 24, 26},
                         {10, 10, 6, 6},     {50, 40, 128, 96},     {7, 300, 16, 16},
                         {1, 1, 128, 96},    {999, 3, 3, 3}};

QByteArray Describe(const Shape& s) {
  return QStringLiteral("%1 x %2 area, %3 x %4 picture")
      .arg(s.width)
      .arg(s.height)
      .arg(s.columns)
      .arg(s.rows)
      .toLatin1();
}

}  // namespace

class CellGeometryTest : public QObject {
  Q_OBJECT

 private slots:
  void cellsTileTheAreaExactly();
  void pixelsBelongToTheCellThePenDrawsThere();
  void gridLinesStayInsideTheArea();
  void emptyAreaHasNoCells();
};

void CellGeometryTest::cellsTileTheAreaExactly() {
  for (const Shape& s : kShapes) {
    const CellGeometry g(s.width, s.height, s.columns, s.rows);
    QVERIFY2(g.EdgeX(0) == 0 && g.EdgeX(s.columns) == s.width, Describe(s));
    QVERIFY2(g.EdgeY(0) == 0 && g.EdgeY(s.rows) == s.height, Describe(s));
    for (int i = 1; i <= s.columns; ++i) QVERIFY2(g.EdgeX(i - 1) <= g.EdgeX(i), Describe(s));
    for (int i = 1; i <= s.rows; ++i) QVERIFY2(g.EdgeY(i - 1) <= g.EdgeY(i), Describe(s));
    // Every pixel has exactly one cell, and that cell's edges enclose it.
    for (int c = 0; c < s.width; ++c) {
      const int x = g.ColumnAt(c);
      QVERIFY2(x >= 1 && x <= s.columns && g.EdgeX(x - 1) <= c && c < g.EdgeX(x), Describe(s));
    }
    for (int r = 0; r < s.height; ++r) {
      const int y = g.RowAt(r);
      QVERIFY2(y >= 1 && y <= s.rows && g.EdgeY(y - 1) <= r && r < g.EdgeY(y), Describe(s));
    }
    QCOMPARE(g.ColumnAt(-1), 0);
    QCOMPARE(g.ColumnAt(s.width), 0);
  }
}

void CellGeometryTest::pixelsBelongToTheCellThePenDrawsThere() {
  for (const Shape& s : kShapes) {
    const CellGeometry g(s.width, s.height, s.columns, s.rows);
    RecordingView view(s.width, s.height);
    DocumentState state = StartedDocument(s.columns, s.rows);
    state.DrawButton = kLeftButton;
    for (int c = 0; c < s.width; c += std::max(1, s.width / 200)) {
      view.Clear();
      DrawAtMouse(state, view, c, s.height - 1);
      QVERIFY2(
          view.cells.size() == 1 && view.cells[0] == QPoint(g.ColumnAt(c), g.RowAt(s.height - 1)),
          Describe(s) + " column " + QByteArray::number(c));
    }
    for (int r = 0; r < s.height; r += std::max(1, s.height / 200)) {
      view.Clear();
      DrawAtMouse(state, view, 0, r);
      QVERIFY2(view.cells.size() == 1 && view.cells[0] == QPoint(1, g.RowAt(r)),
               Describe(s) + " row " + QByteArray::number(r));
    }
  }
}

void CellGeometryTest::gridLinesStayInsideTheArea() {
  const CellGeometry g(305, 305, 32, 32);
  QCOMPARE(g.LineX(0), 0);
  QCOMPARE(g.LineX(1), g.EdgeX(1));
  QCOMPARE(g.LineX(32), 304);  // the far edge's line is its last pixel
  QCOMPARE(g.LineY(32), 304);
  const CellGeometry one(301, 200, 1, 1);
  QCOMPARE(one.EdgeX(1), 301);
  QCOMPARE(one.ColumnAt(300), 1);
  QCOMPARE(one.LineY(1), 199);
}

void CellGeometryTest::emptyAreaHasNoCells() {
  const CellGeometry g(0, 0, 32, 32);
  QCOMPARE(g.ColumnAt(0), 0);
  QCOMPARE(g.RowAt(0), 0);
  QCOMPARE(g.EdgeX(32), 0);
}

QTEST_GUILESS_MAIN(CellGeometryTest)
#include "tst_cell_geometry.moc"
