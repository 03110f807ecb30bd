#include <QtTest>

#include "fakes/pictures.h"
#include "fakes/recording_view.h"
#include "picture/pen.h"
#include "picture/undo_clipboard.h"

using namespace tochkograf;

namespace {

// Column 0 and row 0 are outside every picture and outside every edit.
bool FramesEqual(const PixelGrid& a, const PixelGrid& b) {
  for (int x = 0; x < PixelGrid::kColumns; ++x)
    if (a(x, 0) != b(x, 0)) return false;
  for (int y = 0; y < PixelGrid::kRows; ++y)
    if (a(0, y) != b(0, y)) return false;
  return true;
}

bool BlocksEqual(const PixelGrid& a, const PixelGrid& b) {
  for (int y = 1; y < PixelGrid::kRows; ++y)
    for (int x = 1; x < PixelGrid::kColumns; ++x)
      if (a(x, y) != b(x, y)) return false;
  return true;
}

}  // namespace

class UndoClipboardTest : public QObject {
  Q_OBJECT

 private slots:
  void undoExchangesWholeBlockAndSecondUndoRedoes();
  void strokeThenUndoThenUndo();
  void cutCopiesBlockAndLeavesPaper();
  void copyDoesNotRedraw();
  void pasteTakesSnapshotAndCanBeUndone();
  void pastedBlockShowsThroughOtherSize();
  void editsLeaveFlagSizeAndNameAlone();
};

void UndoClipboardTest::undoExchangesWholeBlockAndSecondUndoRedoes() {
  DocumentState state = StartedDocument(16, 16);
  RecordingView view;
  FillRandom(state.Pixels, 1);
  FillRandom(state.UndoPixels, 2);
  const PixelGrid picture = state.Pixels, snapshot = state.UndoPixels;

  editundo(state, view);
  QVERIFY(BlocksEqual(state.Pixels, snapshot));  // hidden cells too
  QVERIFY(BlocksEqual(state.UndoPixels, picture));
  QVERIFY(FramesEqual(state.Pixels, picture));
  QVERIFY(FramesEqual(state.UndoPixels, snapshot));
  QCOMPARE(view.whole_repaints, 1);

  editundo(state, view);
  QCOMPARE(state.Pixels, picture);
  QCOMPARE(state.UndoPixels, snapshot);
}

void UndoClipboardTest::strokeThenUndoThenUndo() {
  DocumentState state = StartedDocument();
  RecordingView view(320, 320);
  state.Pixels(5, 5) = kOn;
  const PixelGrid before = state.Pixels;

  PoleMouseDown(state, view, kLeftButton, 5, 5);
  PoleMouseMove(state, view, 15, 5);
  PoleMouseUp(state);
  const PixelGrid stroke = state.Pixels;

  editundo(state, view);
  QCOMPARE(state.Pixels, before);
  editundo(state, view);
  QCOMPARE(state.Pixels, stroke);
}

void UndoClipboardTest::cutCopiesBlockAndLeavesPaper() {
  DocumentState state = StartedDocument(16, 16);
  RecordingView view;
  FillRandom(state.Pixels, 3);
  const PixelGrid picture = state.Pixels;

  editcut(state, view);

  QVERIFY(BlocksEqual(state.ClipPixels, picture));
  QVERIFY(FramesEqual(state.Pixels, picture));
  for (int y = 1; y < PixelGrid::kRows; ++y)
    for (int x = 1; x < PixelGrid::kColumns; ++x) QCOMPARE(state.Pixels(x, y), kOff);
  QCOMPARE(view.whole_repaints, 1);
  QCOMPARE(view.size_label, QStringLiteral(" 16 x 16"));
}

void UndoClipboardTest::copyDoesNotRedraw() {
  DocumentState state = StartedDocument();
  FillRandom(state.Pixels, 4);
  const PixelGrid picture = state.Pixels;

  editcopy(state);

  QVERIFY(BlocksEqual(state.ClipPixels, picture));
  QCOMPARE(state.ClipPixels(0, 5), kOff);
  QCOMPARE(state.Pixels, picture);
}

void UndoClipboardTest::pasteTakesSnapshotAndCanBeUndone() {
  DocumentState state = StartedDocument();
  RecordingView view;
  FillRandom(state.Pixels, 5);
  FillRandom(state.ClipPixels, 6);
  const PixelGrid before = state.Pixels, clip = state.ClipPixels;

  editpaste(state, view);
  QVERIFY(BlocksEqual(state.Pixels, clip));
  QVERIFY(BlocksEqual(state.UndoPixels, before));
  QCOMPARE(state.ClipPixels, clip);
  QCOMPARE(view.whole_repaints, 1);

  editundo(state, view);
  QCOMPARE(state.Pixels, before);
  editundo(state, view);
  QVERIFY(BlocksEqual(state.Pixels, clip));
}

void UndoClipboardTest::pastedBlockShowsThroughOtherSize() {
  DocumentState state = StartedDocument(72, 14);
  RecordingView view;
  FillRandom(state.Pixels, 7);
  const PixelGrid copied = state.Pixels;
  editcopy(state);
  state.MX = 16;
  state.MY = 16;
  state.Pixels = PixelGrid();

  editpaste(state, view);

  // Rows 15 and 16 come from the cells below the old picture.
  for (int y = 1; y <= 16; ++y)
    for (int x = 1; x <= 16; ++x) QCOMPARE(state.Pixels(x, y), copied(x, y));
  for (int y = 1; y <= 14; ++y)
    for (int x = 17; x <= 72; ++x) QCOMPARE(state.Pixels(x, y), copied(x, y));
}

void UndoClipboardTest::editsLeaveFlagSizeAndNameAlone() {
  for (Flag izm : {kOff, kOn}) {
    DocumentState state = StartedDocument(24, 26);
    RecordingView view;
    state.IZM = izm;
    state.FileName = QStringLiteral("cat.ems");
    FillRandom(state.Pixels, 8);

    editcopy(state);
    editcut(state, view);
    editpaste(state, view);
    editundo(state, view);
    SaveUndo(state);

    QCOMPARE(state.IZM, izm);
    QCOMPARE(state.MX, 24);
    QCOMPARE(state.MY, 26);
    QCOMPARE(state.FileName, QStringLiteral("cat.ems"));
  }
}

QTEST_GUILESS_MAIN(UndoClipboardTest)
#include "tst_undo_clipboard.moc"
