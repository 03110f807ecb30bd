#include <QtTest>
#include <algorithm>
#include <set>
#include <utility>

#include "picture/flood_fill.h"
#include "picture/shapes.h"

using namespace tochkograf;

namespace {

using Cells = std::set<std::pair<int, int>>;  // (x, y)

Cells CellsOf(const CellRuns& runs) {
  Cells cells;
  for (const CellRun& run : runs)
    for (int x = run.first; x <= run.last; ++x) cells.insert({x, run.y});
  return cells;
}

// Rows of '#' and '.' from cell (1, 1); cells beyond them are left out.
QStringList Art(const Cells& cells, int width, int height) {
  QStringList rows(height, QString(width, QLatin1Char('.')));
  for (const auto& [x, y] : cells)
    if (x >= 1 && x <= width && y >= 1 && y <= height) rows[y - 1][x - 1] = QLatin1Char('#');
  return rows;
}

QStringList ArtOf(const CellRuns& runs, const QStringList& like) {
  return Art(CellsOf(runs), like.value(0).size(), like.size());
}

// Cells of the largest picture and a border round it, a byte each: the
// ellipses of every size are too many for a set.
class Patch {
 public:
  explicit Patch(const CellRuns& runs = {}) {
    for (const CellRun& run : runs)
      for (int x = run.first; x <= run.last; ++x) Set(x, run.y);
  }
  bool Has(int x, int y) const {
    return x >= 0 && x < kWide && y >= 0 && y < kHigh && on_[y * kWide + x];
  }
  void Set(int x, int y) { on_[y * kWide + x] = 1; }
  bool operator==(const Patch&) const = default;

  static constexpr int kWide = kMaxWidth + 2, kHigh = kMaxHeight + 2;

 private:
  std::vector<char> on_ = std::vector<char>(kWide * kHigh);
};

// The cells of the box that cannot be reached from beyond it by steps
// side by side without crossing `outline`.
Patch Enclosed(const Patch& outline, int width, int height) {
  Patch outside;
  outside.Set(0, 0);
  std::vector<std::pair<int, int>> places{{0, 0}};
  while (!places.empty()) {
    const auto [x, y] = places.back();
    places.pop_back();
    for (const auto& [nx, ny] : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}}) {
      if (nx < 0 || nx > width + 1 || ny < 0 || ny > height + 1 || outline.Has(nx, ny) ||
          outside.Has(nx, ny))
        continue;
      outside.Set(nx, ny);
      places.push_back({nx, ny});
    }
  }
  Patch inside;
  for (int y = 1; y <= height; ++y)
    for (int x = 1; x <= width; ++x)
      if (!outside.Has(x, y)) inside.Set(x, y);
  return inside;
}

int Neighbours(const Patch& cells, int x, int y) {
  int count = 0;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) count += (dx || dy) && cells.Has(x + dx, y + dy);
  return count;
}

PixelGrid GridOf(const QStringList& rows) {
  PixelGrid grid;
  for (int y = 0; y < rows.size(); ++y)
    for (int x = 0; x < rows[y].size(); ++x)
      if (rows[y][x] == QLatin1Char('#')) grid(x + 1, y + 1) = kOn;
  return grid;
}

}  // namespace

Q_DECLARE_METATYPE(Shape)

class ShapesTest : public QObject {
  Q_OBJECT

 private slots:
  void drawsShapes_data();
  void drawsShapes();
  void lineIsTheSameFromEitherEnd();
  void ellipseOfEverySize();
  void shiftHoldsTheEnd_data();
  void shiftHoldsTheEnd();
  void fillKeepsToItsRegion_data();
  void fillKeepsToItsRegion();
  void fillsAWholePicture();
};

void ShapesTest::drawsShapes_data() {
  QTest::addColumn<Shape>("shape");
  QTest::addColumn<QPoint>("from");
  QTest::addColumn<QPoint>("to");
  QTest::addColumn<QStringList>("art");
  const auto line = [](const char* name, QPoint to, QStringList art) {
    QTest::newRow(name) << Shape::kLine << QPoint(4, 4) << to << art;
  };
  // One octant each, a third of the way off the axis.
  line("east, down", {7, 5}, {".......", ".......", ".......", "...##..", ".....##"});
  line("east, up", {7, 3}, {".......", ".......", ".....##", "...##..", "......."});
  line("west, down", {1, 5}, {".......", ".......", ".......", "..##...", "##....."});
  line("west, up", {1, 3}, {".......", ".......", "##.....", "..##...", "......."});
  line("south, right", {5, 7}, {".....", ".....", ".....", "...#.", "...#.", "....#", "....#"});
  line("south, left", {3, 7}, {".....", ".....", ".....", "...#.", "...#.", "..#..", "..#.."});
  line("north, right", {5, 1}, {"....#", "....#", "...#.", "...#.", "....."});
  line("north, left", {3, 1}, {"..#..", "..#..", "...#.", "...#.", "....."});
  line("slope 0", {8, 4}, {"........", "........", "........", "...#####"});
  line("slope 1", {1, 7},
       {".......", ".......", ".......", "...#...", "..#....", ".#.....", "#......"});
  // Half-way cells go down, and right on a steep line.
  line("slope 2", {6, 8},
       {"......", "......", "......", "...#..", "....#.", "....#.", ".....#", ".....#"});
  line("one cell", {4, 4}, {"....", "....", "....", "...#"});
  const auto shape = [](const char* name, Shape s, QPoint from, QPoint to, QStringList art) {
    QTest::newRow(name) << s << from << to << art;
  };
  const Shape rect = Shape::kRectangle, ellipse = Shape::kEllipse;
  shape("rectangle 1x1", rect, {1, 1}, {1, 1}, {"#."});
  shape("rectangle 2x1", rect, {2, 1}, {1, 1}, {"##"});
  shape("rectangle 1x3", rect, {1, 3}, {1, 1}, {"#", "#", "#"});
  shape("rectangle 3x2", rect, {1, 1}, {3, 2}, {"###", "###"});
  shape("rectangle 3x3", rect, {3, 3}, {1, 1}, {"###", "#.#", "###"});
  shape("filled rectangle 3x3", Shape::kFilledRectangle, {1, 3}, {3, 1}, {"###", "###", "###"});
  shape("ellipse 1x1", ellipse, {1, 1}, {1, 1}, {"#."});
  shape("ellipse 4x1", ellipse, {4, 1}, {1, 1}, {"####"});
  shape("ellipse 2x3", ellipse, {1, 1}, {2, 3}, {"##.", "##.", "##."});
  shape("ellipse 3x3", ellipse, {1, 1}, {3, 3}, {".#.", "#.#", ".#."});
  shape("ellipse 4x3", ellipse, {1, 1}, {4, 3}, {".##.", "#..#", ".##."});
  shape("ellipse 3x4", ellipse, {1, 1}, {3, 4}, {".#.", "#.#", "#.#", ".#."});
  shape("ellipse 5x5", ellipse, {1, 1}, {5, 5}, {".###.", "#...#", "#...#", "#...#", ".###."});
  shape("ellipse 6x4", ellipse, {6, 4}, {1, 1}, {".####.", "#....#", "#....#", ".####."});
  shape("ellipse 6x5", ellipse, {1, 1}, {6, 5}, {".####.", "#....#", "#....#", "#....#", ".####."});
  shape("filled ellipse 6x5", Shape::kFilledEllipse, {1, 1}, {6, 5},
        {".####.", "######", "######", "######", ".####."});
  shape("ellipse 9x9", ellipse, {1, 1}, {9, 9},
        {"...###...", "..#...#..", ".#.....#.", "#.......#", "#.......#", "#.......#", ".#.....#.",
         "..#...#..", "...###..."});
}

void ShapesTest::drawsShapes() {
  QFETCH(Shape, shape);
  QFETCH(QPoint, from);
  QFETCH(QPoint, to);
  QFETCH(QStringList, art);
  QCOMPARE(ArtOf(ShapeRuns(shape, from, to), art), art);
}

// From a corner of the largest picture to every cell of it, and back: the
// same cells, one per step of the longer axis, each within half a cell of
// the ideal line.
void ShapesTest::lineIsTheSameFromEitherEnd() {
  for (const QPoint corner : {QPoint(1, 1), QPoint(kMaxWidth, 1)}) {
    for (int y = 1; y <= kMaxHeight; ++y)
      for (int x = 1; x <= kMaxWidth; ++x) {
        const QPoint end(x, y);
        const Cells there = CellsOf(ShapeRuns(Shape::kLine, corner, end));
        const Cells back = CellsOf(ShapeRuns(Shape::kLine, end, corner));
        const QPoint d = end - corner;
        const bool flat = std::abs(d.x()) >= std::abs(d.y());
        const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
        const QByteArray where = QByteArray::number(x) + "," + QByteArray::number(y);
        QVERIFY2(there == back, where);
        QVERIFY2(int(there.size()) == steps + 1, where);
        for (const auto& [cx, cy] : there) {
          const double along = flat ? cx - corner.x() : cy - corner.y();
          const double ideal = steps ? along * (flat ? d.y() : d.x()) / (flat ? d.x() : d.y()) : 0;
          const double across = flat ? cy - corner.y() : cx - corner.x();
          QVERIFY2(std::abs(across - ideal) <= 0.5, where);
        }
      }
  }
}

// Closed, one cell wide, symmetric and touching its box, at every size up
// to the largest picture; filled, the outline and what it encloses.
void ShapesTest::ellipseOfEverySize() {
  for (int height = 1; height <= kMaxHeight; ++height)
    for (int width = 1; width <= kMaxWidth; ++width) {
      const QByteArray size = QByteArray::number(width) + "x" + QByteArray::number(height);
      const CellRuns runs = ShapeRuns(Shape::kEllipse, {width, height}, {1, 1});
      const Patch outline(runs);
      int left = width, right = 1, top = height, bottom = 1, count = 0;
      for (const CellRun& run : runs)
        for (int x = run.first, y = run.y; x <= run.last; ++x, ++count) {
          QVERIFY2(outline.Has(width + 1 - x, y) && outline.Has(x, height + 1 - y), size);
          left = std::min(left, x), right = std::max(right, x);
          top = std::min(top, y), bottom = std::max(bottom, y);
          if (width <= 2 || height <= 2) continue;
          // A closed curve one cell wide: two neighbours each, and never one
          // cell beside another both across and along (the corner between
          // them could go).
          QVERIFY2(Neighbours(outline, x, y) == 2, size);
          const bool across = outline.Has(x - 1, y) || outline.Has(x + 1, y);
          const bool along = outline.Has(x, y - 1) || outline.Has(x, y + 1);
          QVERIFY2(!(across && along), size);
        }
      QVERIFY2(left == 1 && right == width && top == 1 && bottom == height, size);
      const Patch filled(ShapeRuns(Shape::kFilledEllipse, {1, 1}, {width, height}));
      if (width > 2 && height > 2) QVERIFY2(Enclosed(outline, width, height) == filled, size);
      if (width <= 2 || height <= 2) QVERIFY2(count == width * height && filled == outline, size);
    }
}

void ShapesTest::shiftHoldsTheEnd_data() {
  QTest::addColumn<Shape>("shape");
  QTest::addColumn<QPoint>("to");
  QTest::addColumn<QPoint>("held");
  // From (10, 10); 22.5 degrees is where a line turns from axis to diagonal.
  QTest::newRow("line, 11 degrees") << Shape::kLine << QPoint(20, 12) << QPoint(20, 10);
  QTest::newRow("line, 31 degrees") << Shape::kLine << QPoint(15, 13) << QPoint(14, 14);
  QTest::newRow("line, steep, up left") << Shape::kLine << QPoint(9, 2) << QPoint(10, 2);
  QTest::newRow("line, diagonal down left") << Shape::kLine << QPoint(3, 15) << QPoint(4, 16);
  QTest::newRow("square") << Shape::kRectangle << QPoint(13, 8) << QPoint(13, 7);
  QTest::newRow("circle") << Shape::kFilledEllipse << QPoint(8, 15) << QPoint(5, 15);
}

void ShapesTest::shiftHoldsTheEnd() {
  QFETCH(Shape, shape);
  QFETCH(QPoint, to);
  QFETCH(QPoint, held);
  QCOMPARE(ConstrainedEnd(shape, QPoint(10, 10), to), held);
}

void ShapesTest::fillKeepsToItsRegion_data() {
  QTest::addColumn<QStringList>("maze");
  QTest::addColumn<QPoint>("start");
  QTest::addColumn<QStringList>("region");
  const QStringList maze{"#.#########", "#.#.....#..", "#.#.###.#.#",
                         "#...#.#...#", "#####.#####", ".....#....."};
  QTest::newRow("paper corridor") << maze << QPoint(2, 1)
                                  << QStringList{".#.........", ".#.#####.##", ".#.#...#.#.",
                                                 ".###...###.", "...........", "..........."};
  QTest::newRow("ink walls") << maze << QPoint(1, 1)
                             << QStringList{"#..........", "#..........", "#...###...#",
                                            "#...#.#...#", "#####.#####", "..........."};
  QTest::newRow("room, not through its corners")
      << maze << QPoint(6, 4) << QStringList{"...........", "...........", "...........",
                                             ".....#.....", ".....#.....", "..........."};
}

void ShapesTest::fillKeepsToItsRegion() {
  QFETCH(QStringList, maze);
  QFETCH(QPoint, start);
  QFETCH(QStringList, region);
  const CellRuns runs = FillRegion(GridOf(maze), maze[0].size(), maze.size(), start);
  QCOMPARE(ArtOf(runs, region), region);
  QCOMPARE(int(CellsOf(runs).size()), int(region.join(QString()).count(QLatin1Char('#'))));
}

// An empty picture of the largest size is one region, a full one too, and
// the cells beyond a smaller picture are no part of it.
void ShapesTest::fillsAWholePicture() {
  PixelGrid grid;
  QCOMPARE(int(CellsOf(FillRegion(grid, kMaxWidth, kMaxHeight, {64, 48})).size()),
           kMaxWidth * kMaxHeight);
  for (int y = 1; y <= kMaxHeight; ++y)
    for (int x = 1; x <= kMaxWidth; ++x) grid(x, y) = kOn;
  const Cells region = CellsOf(FillRegion(grid, 72, 28, {72, 28}));
  QCOMPARE(int(region.size()), 72 * 28);
  QCOMPARE(*region.rbegin(), std::pair(72, 28));
  QVERIFY(FillRegion(grid, 72, 28, {73, 1}).empty());
}

QTEST_APPLESS_MAIN(ShapesTest)
#include "tst_shapes.moc"
