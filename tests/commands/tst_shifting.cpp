#include <QtTest>
#include <functional>

#include "commands/edit_commands.h"
#include "fakes/pictures.h"
#include "fakes/recording_view.h"

using namespace tochkograf;

namespace {

using Shift = void (*)(DocumentState&, PictureView&);

// What a shift by (dx, dy) must give: every cell of the picture moves with
// wrap-around inside W x H, and nothing outside it moves.
PixelGrid Rotated(const PixelGrid& grid, int W, int H, int dx, int dy) {
  PixelGrid result = grid;
  for (int y = 1; y <= H; ++y)
    for (int x = 1; x <= W; ++x) {
      const int to_x = (x - 1 + dx + W) % W + 1, to_y = (y - 1 + dy + H) % H + 1;
      result(to_x, to_y) = grid(x, y);
    }
  return result;
}

struct Direction {
  const char* name;
  Shift shift;
  Shift opposite;
  int dx, dy;
};

const Direction kDirections[] = {
    {"up", sup, sdown, 0, -1},
    {"down", sdown, sup, 0, 1},
    {"left", sleft, sright, -1, 0},
    {"right", sright, sleft, 1, 0},
};

}  // namespace

class ShiftingTest : public QObject {
  Q_OBJECT

 private slots:
  void singlePixelMovesAndWraps();
  void rotatesInsideSizeOnly();
  void fullCycleAndOppositeShiftRestore();
  void oneLinePictureIsUnchangedButRedrawn();
  void largestPictureWrapsThroughShiftLine();
  void marksChangeLeavesUndoAndClipboardAlone();
};

void ShiftingTest::singlePixelMovesAndWraps() {
  const QPoint expected[] = {{1, 32}, {1, 2}, {32, 1}, {2, 1}};
  for (int i = 0; i < 4; ++i) {
    DocumentState state = StartedDocument();
    RecordingView view;
    state.Pixels(1, 1) = kOn;
    kDirections[i].shift(state, view);
    QVERIFY2(CountOn(state.Pixels) == 1, kDirections[i].name);
    QVERIFY2(state.Pixels(expected[i].x(), expected[i].y()) == kOn, kDirections[i].name);
  }
}

void ShiftingTest::rotatesInsideSizeOnly() {
  const QSize sizes[] = {{32, 32},  {16, 16}, {72, 14}, {24, 26},
                         {128, 96}, {1, 1},   {2, 3},   {127, 95}};
  quint32 seed = 10;
  for (const QSize size : sizes)
    for (const Direction& d : kDirections) {
      DocumentState state = StartedDocument(size.width(), size.height());
      RecordingView view;
      FillRandom(state.Pixels, ++seed);
      const PixelGrid expected = Rotated(state.Pixels, size.width(), size.height(), d.dx, d.dy);
      d.shift(state, view);
      QVERIFY2(state.Pixels == expected, qPrintable(QStringLiteral("%1 at %2 x %3")
                                                        .arg(QLatin1String(d.name))
                                                        .arg(size.width())
                                                        .arg(size.height())));
    }
}

void ShiftingTest::fullCycleAndOppositeShiftRestore() {
  for (const Direction& d : kDirections) {
    DocumentState state = StartedDocument(24, 26);
    RecordingView view;
    FillRandom(state.Pixels, 99);
    const PixelGrid start = state.Pixels;

    d.shift(state, view);
    d.opposite(state, view);
    QVERIFY2(state.Pixels == start, d.name);

    const int cycle = d.dx ? state.MX : state.MY;
    for (int i = 0; i < cycle; ++i) d.shift(state, view);
    QVERIFY2(state.Pixels == start, d.name);
  }
}

// Nothing moved, so nothing is marked changed.
void ShiftingTest::oneLinePictureIsUnchangedButRedrawn() {
  for (const Direction& d : kDirections) {
    DocumentState state = d.dx ? StartedDocument(1, 20) : StartedDocument(20, 1);
    RecordingView view;
    FillRandom(state.Pixels, 5);
    const PixelGrid start = state.Pixels;
    d.shift(state, view);
    QVERIFY2(state.Pixels == start, d.name);
    QCOMPARE(view.whole_repaints, 1);
    QCOMPARE(state.IZM, kOff);
  }
}

void ShiftingTest::largestPictureWrapsThroughShiftLine() {
  DocumentState state = StartedDocument(128, 96);
  RecordingView view;
  FillRandom(state.Pixels, 7);
  const PixelGrid start = state.Pixels;

  sup(state, view);
  for (int x = 1; x <= 128; ++x) QCOMPARE(state.ShiftLine[x], start(x, 1));
  QCOMPARE(state.ShiftLine[0], kOff);

  state.ShiftLine = {};
  sleft(state, view);
  for (int y = 1; y <= 96; ++y) QCOMPARE(state.ShiftLine[y], state.Pixels(128, y));
  for (int i = 97; i <= 128; ++i) QCOMPARE(state.ShiftLine[i], kOff);
}

void ShiftingTest::marksChangeLeavesUndoAndClipboardAlone() {
  for (const Direction& d : kDirections) {
    DocumentState state = StartedDocument();
    RecordingView view;
    FillRandom(state.Pixels, 1);
    FillRandom(state.Undo.Pixels, 2);
    FillRandom(state.ClipPixels, 3);
    const DocumentState before = state;
    d.shift(state, view);
    QCOMPARE(state.IZM, kOn);
    QCOMPARE(state.MX, before.MX);
    QCOMPARE(state.MY, before.MY);
    QVERIFY(state.Undo == before.Undo);
    QVERIFY(state.ClipPixels == before.ClipPixels);
  }
}

QTEST_GUILESS_MAIN(ShiftingTest)
#include "tst_shifting.moc"
