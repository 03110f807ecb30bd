#include <QtTest>

#include "commands/edit_commands.h"
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
  void editsMarkWhatTheyChange_data();
  void editsMarkWhatTheyChange();
  void undoBringsBackTheSizeButNotTheSizeDialogs();
};

void UndoClipboardTest::undoExchangesWholeBlockAndSecondUndoRedoes() {
  DocumentState state = StartedDocument(16, 16);
  RecordingView view;
  FillRandom(state.Pixels, 1);
  FillRandom(state.Undo.Pixels, 2);
  const PixelGrid picture = state.Pixels, snapshot = state.Undo.Pixels;

  editundo(state, view);
  QVERIFY(BlocksEqual(state.Pixels, snapshot));  // hidden cells too
  QVERIFY(BlocksEqual(state.Undo.Pixels, picture));
  QVERIFY(FramesEqual(state.Pixels, picture));
  QVERIFY(FramesEqual(state.Undo.Pixels, snapshot));
  QCOMPARE(view.whole_repaints, 1);

  editundo(state, view);
  QCOMPARE(state.Pixels, picture);
  QCOMPARE(state.Undo.Pixels, snapshot);
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
  QVERIFY(BlocksEqual(state.Undo.Pixels, before));
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

// An edit that changes the picture marks it changed; copy, and an edit that
// turns out to change nothing, leave the mark as it was. None touches the
// name, and only undo the size.
void UndoClipboardTest::editsMarkWhatTheyChange_data() {
  QTest::addColumn<QString>("edit");
  QTest::addColumn<bool>("drawn");  // else picture, snapshot and clipboard are blank
  QTest::addColumn<bool>("changes");
  for (const char* edit : {"copy", "cut", "paste", "undo"}) {
    const bool copy = QByteArray(edit) == "copy";
    QTest::addRow("%s, drawn", edit) << edit << true << !copy;
    QTest::addRow("%s, blank", edit) << edit << false << false;
  }
}

void UndoClipboardTest::editsMarkWhatTheyChange() {
  QFETCH(QString, edit);
  QFETCH(bool, drawn);
  QFETCH(bool, changes);
  for (Flag izm : {kOff, kOn}) {
    DocumentState state = StartedDocument(24, 26);
    RecordingView view;
    state.IZM = izm;
    state.FileName = QStringLiteral("cat.ems");
    if (drawn) {
      FillRandom(state.Pixels, 8);
      FillRandom(state.Undo.Pixels, 9);
      FillRandom(state.ClipPixels, 10);
    }
    if (edit == QLatin1String("copy")) editcopy(state);
    if (edit == QLatin1String("cut")) editcut(state, view);
    if (edit == QLatin1String("paste")) editpaste(state, view);
    if (edit == QLatin1String("undo")) editundo(state, view);
    QCOMPARE(state.IZM, changes ? kOn : izm);
    QCOMPARE(state.MX, 24);
    QCOMPARE(state.MY, 26);
    QCOMPARE(state.FileName, QStringLiteral("cat.ems"));
  }
}

// The snapshot holds the size the picture had, and undo brings it back; a
// change of size by the size dialog is no step of undo.
void UndoClipboardTest::undoBringsBackTheSizeButNotTheSizeDialogs() {
  DocumentState state = StartedDocument(32, 32);
  RecordingView view;
  FillRandom(state.Pixels, 11);
  const PixelGrid before = state.Pixels;
  SaveUndo(state);
  state.MX = 72;  // as an import brings in a picture of its own size
  state.MY = 14;
  FillRandom(state.Pixels, 12);
  const PixelGrid imported = state.Pixels;

  editundo(state, view);
  QCOMPARE(QSize(state.MX, state.MY), QSize(32, 32));
  QCOMPARE(view.size_label, QStringLiteral(" 32 x 32"));
  QVERIFY(BlocksEqual(state.Pixels, before));
  QCOMPARE(state.IZM, kOn);
  editundo(state, view);
  QCOMPARE(QSize(state.MX, state.MY), QSize(72, 14));
  QVERIFY(BlocksEqual(state.Pixels, imported));

  SetPictureSize(state, 16, 16);
  editundo(state, view);
  QCOMPARE(QSize(state.MX, state.MY), QSize(16, 16));
  QVERIFY(BlocksEqual(state.Pixels, before));
}

QTEST_GUILESS_MAIN(UndoClipboardTest)
#include "tst_undo_clipboard.moc"
