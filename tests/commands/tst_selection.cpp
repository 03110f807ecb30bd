#include <QtTest>

#include "commands/edit_commands.h"
#include "commands/selection_commands.h"
#include "fakes/pictures.h"
#include "fakes/recording_view.h"
#include "picture/drawing_tools.h"
#include "picture/frames.h"
#include "picture/pen.h"
#include "picture/undo_clipboard.h"

using namespace tochkograf;

namespace {

// Ten units of the drawing area to a cell.
constexpr double kCell = 10;

// A picture of rows of '#' (ink) and '.' (paper), rows joined by '|'.
DocumentState Document(const QString& rows) {
  const QStringList lines = rows.split(QLatin1Char('|'));
  DocumentState state =
      StartedDocument(static_cast<int>(lines[0].size()), static_cast<int>(lines.size()));
  for (int y = 1; y <= state.MY; ++y)
    for (int x = 1; x <= state.MX; ++x)
      state.Pixels(x, y) = lines[y - 1][x - 1] == QLatin1Char('#') ? kOn : kOff;
  SaveUndo(state);
  state.Tool = DrawingTool::kSelect;
  return state;
}

// The picture's cells as Document writes them, or what the drawing area
// shows: the floating cells over them.
QString Rows(const DocumentState& state, const Selection* floating = nullptr) {
  QStringList rows;
  for (int y = 1; y <= state.MY; ++y) {
    QString row;
    for (int x = 1; x <= state.MX; ++x) {
      const std::optional<bool> above = floating ? floating->FloatingAt(x, y) : std::nullopt;
      row += above.value_or(state.Pixels(x, y) != kOff) ? QLatin1Char('#') : QLatin1Char('.');
    }
    rows << row;
  }
  return rows.join(QLatin1Char('|'));
}

void Drag(DocumentState& state, RecordingView& view, DrawingTools& tools, const QString& cells) {
  const auto at = [&](int i) { return (cells[i].digitValue() - 0.5) * kCell; };
  tools.MouseDown(state, view, kLeftButton, at(0), at(1), false);
  tools.MouseMove(state, view, at(3), at(4), false);
  tools.MouseUp(state, view, kLeftButton);
}

}  // namespace

class SelectionTest : public QObject {
  Q_OBJECT

 private slots:
  void selection_data();
  void selection();
};

void SelectionTest::selection_data() {
  QTest::addColumn<QString>("before");
  // xy-xy a drag of the selection tool from cell (x, y) to cell (x, y);
  // E Enter, X Esc, > < ^ v the arrows; c copy, x cut, p paste, z undo;
  // h t r i the flips, the half turn, the inversion; 8 2 4 6 the shifts;
  // D delete; s the picture made 4 x 4; f paste as a new frame
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("after");
  QTest::addColumn<QString>("shown");  // empty: as the picture
  QTest::addColumn<bool>("changed");
  const QString p = QStringLiteral("##..#.|#...#.|......|....##");
  QTest::newRow("marking changes nothing") << p << "11-22" << p << "" << false;
  QTest::newRow("floating above, the picture as it was")
      << p << "11-22 11-41" << p << "...##.|...#..|......|....##" << false;
  QTest::newRow("put down opaque, paper left behind") << p << "11-22 11-41 E"
                                                      << "...##.|...#..|......|....##"
                                                      << "" << true;
  QTest::newRow("marked from the far corner") << p << "22-11 11-41 E"
                                              << "...##.|...#..|......|....##"
                                              << "" << true;
  QTest::newRow("Esc puts it back") << p << "11-22 11-41 X" << p << p << false;
  QTest::newRow("one step of undo") << p << "11-22 11-41 E z" << p << "" << true;
  QTest::newRow("arrows after a click inside") << p << "11-22 11-11 > > v E"
                                               << "....#.|..###.|..#...|....##"
                                               << "" << true;
  QTest::newRow("clipped at the edge, held over the picture") << p << "11-22 11-99 E"
                                                              << "....#.|....#.|......|....##"
                                                              << "" << true;
  QTest::newRow("a click outside puts down and drops the mark") << p << "11-22 11-41 33-33 h"
                                                                << ".##...|..#...|......|##...."
                                                                << "" << true;
  QTest::newRow("Esc drops the mark") << p << "11-22 X h"
                                      << ".#..##|.#...#|......|##...."
                                      << "" << true;
  QTest::newRow("cut, pasted where it was") << p << "11-22 x p E" << p << "" << true;
  QTest::newRow("cut leaves paper") << p << "11-22 x"
                                    << "....#.|....#.|......|....##"
                                    << "" << true;
  QTest::newRow("copy, paste, drag: the original stays") << p << "11-22 c p 11-41 E"
                                                         << "##.##.|#..#..|......|....##"
                                                         << "" << true;
  QTest::newRow("the paste with its moves undone at once")
      << p << "11-22 c p 11-41 > E z" << p << "" << true;
  QTest::newRow("pasted inside a smaller picture") << p << "53-64 c s p E"
                                                   << "##..|#...|....|..##"
                                                   << "" << true;
  QTest::newRow("flip within") << p << "11-33 h"
                               << ".##.#.|..#.#.|......|....##"
                               << "" << true;
  QTest::newRow("half turn within") << p << "11-33 r"
                                    << "....#.|..#.#.|.##...|....##"
                                    << "" << true;
  QTest::newRow("invert within") << p << "11-33 i"
                                 << "..#.#.|.##.#.|###...|....##"
                                 << "" << true;
  QTest::newRow("right round within") << p << "11-33 6"
                                      << ".##.#.|.#..#.|......|....##"
                                      << "" << true;
  QTest::newRow("up round within") << p << "11-33 8"
                                   << "#...#.|....#.|##....|....##"
                                   << "" << true;
  QTest::newRow("delete") << p << "11-33 D"
                          << "....#.|....#.|......|....##"
                          << "" << true;
  QTest::newRow("flipped while floating") << p << "11-22 11-41 h E"
                                          << "...##.|....#.|......|....##"
                                          << "" << true;
  QTest::newRow("whole picture without a mark") << p << "h"
                                                << ".#..##|.#...#|......|##...."
                                                << "" << true;
  QTest::newRow("piece as a new frame") << p << "11-22 c f"
                                        << "##....|#.....|......|......"
                                        << "" << true;
}

void SelectionTest::selection() {
  QFETCH(QString, before);
  QFETCH(QString, keys);
  QFETCH(QString, after);
  QFETCH(QString, shown);
  QFETCH(bool, changed);
  DocumentState state = Document(before);
  RecordingView view(state.MX * kCell, state.MY * kCell);
  DrawingTools tools;
  Selection& marked = tools.Marked();
  const std::map<QChar, PieceEdit> edits = {{QLatin1Char('h'), PieceEdit::kFlipLeftRight},
                                            {QLatin1Char('t'), PieceEdit::kFlipTopBottom},
                                            {QLatin1Char('r'), PieceEdit::kHalfTurn},
                                            {QLatin1Char('i'), PieceEdit::kInvert},
                                            {QLatin1Char('8'), PieceEdit::kUp},
                                            {QLatin1Char('2'), PieceEdit::kDown},
                                            {QLatin1Char('4'), PieceEdit::kLeft},
                                            {QLatin1Char('6'), PieceEdit::kRight},
                                            {QLatin1Char('D'), PieceEdit::kClear}};
  for (const QString& key : keys.split(QLatin1Char(' '))) {
    if (key.size() == 5) {
      Drag(state, view, tools, key);
      continue;
    }
    for (QChar k : key) {
      if (edits.count(k)) {
        selectionedit(state, view, marked, edits.at(k));
        continue;
      }
      switch (k.toLatin1()) {
        case 'E':
          marked.PutDown(state);
          break;
        case 'X':
          marked.Floating() ? marked.PutBack() : marked.Clear();
          break;
        case '>':
          marked.MoveBy(state, QPoint(1, 0));
          break;
        case 'v':
          marked.MoveBy(state, QPoint(0, 1));
          break;
        case 'c':
          selectioncopy(state, marked);
          break;
        case 'x':
          selectioncut(state, view, marked);
          break;
        case 'p':
          selectionpaste(state, view, marked);
          break;
        case 'z':
          editundo(state, view);
          break;
        case 's':
          SetPictureSize(state, 4, 4);
          marked.Clip(state);
          break;
        case 'f':
          framepaste(state, view);
          break;
      }
    }
  }
  QCOMPARE(Rows(state), after);
  QCOMPARE(Rows(state, &marked), shown.isEmpty() ? after : shown);
  QCOMPARE(state.IZM != kOff, changed);
}

QTEST_APPLESS_MAIN(SelectionTest)
#include "tst_selection.moc"
