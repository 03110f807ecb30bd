#include <QtTest>

#include "commands/edit_commands.h"
#include "fakes/pictures.h"
#include "fakes/recording_view.h"

using namespace tochkograf;

namespace {

using Edit = void (*)(DocumentState&, PictureView&);

void Put(PixelGrid& grid, const QStringList& rows) {
  for (int y = 0; y < rows.size(); ++y)
    for (int x = 0; x < rows[y].size(); ++x)
      grid(x + 1, y + 1) = rows[y][x] == QLatin1Char('#') ? kOn : kOff;
}

}  // namespace

Q_DECLARE_METATYPE(Edit)

class WholePictureTest : public QObject {
  Q_OBJECT

 private slots:
  void editsThePictureOnly_data();
  void editsThePictureOnly();
  void symmetricPictureIsNoStep();
};

void WholePictureTest::editsThePictureOnly_data() {
  QTest::addColumn<Edit>("edit");
  QTest::addColumn<QStringList>("after");
  // Of the picture "#..." / "##.#" / "...#", 4 x 3.
  QTest::newRow("left to right") << Edit(editfliph) << QStringList{"...#", "#.##", "#..."};
  QTest::newRow("top to bottom") << Edit(editflipv) << QStringList{"...#", "##.#", "#..."};
  QTest::newRow("half turn") << Edit(editrotate) << QStringList{"#...", "#.##", "...#"};
  QTest::newRow("inverted") << Edit(editinvert) << QStringList{".###", "..#.", "###."};
}

// The cells beyond the picture's size stay; the edit is one step of undo,
// marks the picture changed and repaints it.
void WholePictureTest::editsThePictureOnly() {
  QFETCH(Edit, edit);
  QFETCH(QStringList, after);
  DocumentState state = StartedDocument(4, 3);
  RecordingView view;
  FillRandom(state.Pixels, 21);
  Put(state.Pixels, {"#...", "##.#", "...#"});
  const PixelGrid before = state.Pixels;
  PixelGrid expected = before;
  Put(expected, after);

  edit(state, view);
  QVERIFY(state.Pixels == expected);
  QCOMPARE(state.IZM, kOn);
  QCOMPARE(view.whole_repaints, 1);
  editundo(state, view);
  QVERIFY(state.Pixels == before);
  editundo(state, view);
  QVERIFY(state.Pixels == expected);
}

// Flipping what the flip leaves as it was changes nothing, undo included.
void WholePictureTest::symmetricPictureIsNoStep() {
  DocumentState state = StartedDocument(5, 4);
  RecordingView view;
  Put(state.Pixels, {"#...#", ".#.#.", ".#.#.", "#...#"});
  FillRandom(state.Undo.Pixels, 3);
  const DocumentState before = state;
  for (const Edit edit : {editfliph, editflipv, editrotate}) edit(state, view);
  QVERIFY(state.Pixels == before.Pixels && state.Undo.Pixels == before.Undo.Pixels);
  QCOMPARE(state.IZM, kOff);
}

QTEST_APPLESS_MAIN(WholePictureTest)
#include "tst_whole_picture.moc"
