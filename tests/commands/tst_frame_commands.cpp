#include <QtTest>

#include "commands/edit_commands.h"
#include "commands/frame_commands.h"
#include "commands/frame_duration.h"
#include "fakes/pictures.h"
#include "fakes/recording_view.h"
#include "picture/frames.h"
#include "picture/pen.h"
#include "picture/undo_clipboard.h"

using namespace tochkograf;

namespace {

// Frame letter c's cells: a pattern of its own, hidden cells included.
PixelGrid Pattern(QChar c) {
  PixelGrid grid;
  FillRandom(grid, c.unicode());
  return grid;
}

// A document of the frames named by `frames`, the current one in brackets:
// "a[b]c" is three frames with the second current.
DocumentState Document(const QString& frames) {
  DocumentState state = StartedDocument(20, 10);
  const QString letters = QString(frames).remove(QLatin1Char('[')).remove(QLatin1Char(']'));
  state.Pixels = Pattern(letters[0]);
  for (int i = 1; i < letters.size(); ++i) {
    AddFrameCopy(state);
    state.Pixels = Pattern(letters[i]);
  }
  GoToFrame(state, static_cast<int>(frames.indexOf(QLatin1Char('['))));
  SaveUndo(state);
  return state;
}

// The document's frames as Document names them: a frame of paper is "_",
// one that is no pattern "?".
QString Shown(const DocumentState& state) {
  QString shown;
  for (int i = 0; i < FrameCount(state); ++i) {
    QChar name = QLatin1Char('?');
    if (FrameCells(state, i) == PackedBlock()) name = QLatin1Char('_');
    for (QChar c = QLatin1Char('a'); c <= QLatin1Char('e'); c = QChar(c.unicode() + 1))
      if (FrameCells(state, i) == PackedBlock::Of(Pattern(c))) name = c;
    shown += i == state.CurrentFrame ? QStringLiteral("[%1]").arg(name) : QString(name);
  }
  return shown;
}

// The duration dialog, answering `chosen` and keeping what it was shown.
struct ScriptedDuration : FrameDurationWindow {
  std::optional<int> AskFrameDuration(int duration) override {
    shown = duration;
    return chosen;
  }
  std::optional<int> chosen;
  int shown = 0;
};

}  // namespace

class FrameCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void commands_data();
  void commands();
  void noMoreThan64Frames();
  void durationOfTheCurrentFrame_data();
  void durationOfTheCurrentFrame();
  void animationCarriesEveryFrame();
};

void FrameCommandsTest::commands_data() {
  QTest::addColumn<QString>("before");
  // n new, b blank, d delete, l/r move, </> go, u undo, p a pen stroke
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("after");
  QTest::addColumn<bool>("changed");
  QTest::newRow("copy after the current") << "a[b]c"
                                          << "n"
                                          << "ab[b]c" << true;
  QTest::newRow("blank after the current") << "a[b]c"
                                           << "b"
                                           << "ab[_]c" << true;
  QTest::newRow("delete, the next current") << "a[b]c"
                                            << "d"
                                            << "a[c]" << true;
  QTest::newRow("delete the last") << "ab[c]"
                                   << "d"
                                   << "a[b]" << true;
  QTest::newRow("never the only one") << "[a]"
                                      << "d"
                                      << "[a]" << false;
  QTest::newRow("left") << "a[b]c"
                        << "l"
                        << "[b]ac" << true;
  QTest::newRow("right twice") << "[a]bc"
                               << "rr"
                               << "bc[a]" << true;
  QTest::newRow("first stays first") << "[a]bc"
                                     << "l"
                                     << "[a]bc" << false;
  QTest::newRow("last stays last") << "ab[c]"
                                   << "r"
                                   << "ab[c]" << false;
  QTest::newRow("going changes nothing") << "a[b]c"
                                         << "<<"
                                         << "[a]bc" << false;
  QTest::newRow("to the end") << "[a]bc"
                              << ">>>"
                              << "ab[c]" << false;
  QTest::newRow("drawn on the new frame") << "[a]"
                                          << "bp"
                                          << "a[?]" << true;
  QTest::newRow("undo of a new frame") << "a[b]c"
                                       << "nu"
                                       << "a[b]c" << true;
  QTest::newRow("undo toggles") << "a[b]c"
                                << "nuu"
                                << "ab[b]c" << true;
  QTest::newRow("undo of a delete") << "a[b]c"
                                    << "du"
                                    << "a[b]c" << true;
  QTest::newRow("undo of a move") << "a[b]c"
                                  << "ru"
                                  << "a[b]c" << true;
  QTest::newRow("undo of a stroke on another frame") << "a[b]c"
                                                     << "p<u"
                                                     << "a[b]c" << true;
  QTest::newRow("stroke kept over frames") << "a[b]c"
                                           << "p<>"
                                           << "a[?]c" << true;
}

void FrameCommandsTest::commands() {
  QFETCH(QString, before);
  QFETCH(QString, keys);
  QFETCH(QString, after);
  QFETCH(bool, changed);
  DocumentState state = Document(before);
  RecordingView view(200, 100);
  for (QChar key : keys) {
    switch (key.toLatin1()) {
      case 'n':
        framenew(state, view);
        break;
      case 'b':
        frameblank(state, view);
        break;
      case 'd':
        framedelete(state, view);
        break;
      case 'l':
        frameleft(state, view);
        break;
      case 'r':
        frameright(state, view);
        break;
      case '<':
        frameprevious(state, view);
        break;
      case '>':
        framenext(state, view);
        break;
      case 'u':
        editundo(state, view);
        break;
      case 'p':
        // Cell (20, 10) turned over.
        PoleMouseDown(state, view, state.Pixels(20, 10) ? kRightButton : kLeftButton, 195, 95);
        PoleMouseUp(state);
        break;
    }
  }
  QCOMPARE(Shown(state), after);
  QCOMPARE(state.IZM != kOff, changed);
  QCOMPARE(view.whole_repaints, keys.size() - keys.count(QLatin1Char('p')));
}

void FrameCommandsTest::noMoreThan64Frames() {
  DocumentState state = Document(QStringLiteral("[a]"));
  RecordingView view;
  for (int i = 1; i < kMaxFrames; ++i) framenew(state, view);
  QCOMPARE(FrameCount(state), kMaxFrames);
  state.IZM = kOff;
  const UndoSnapshot undo = state.Undo;
  frameblank(state, view);
  QCOMPARE(FrameCount(state), kMaxFrames);
  QVERIFY(state.IZM == kOff && state.Undo == undo);
  QCOMPARE(state.Frames[5].duration, kNewFrameDuration);
}

// Whichever frame is current, the animation shows each frame's own cells
// and duration, and taking it back gives the same frames, the first current.
void FrameCommandsTest::animationCarriesEveryFrame() {
  DocumentState state = Document(QStringLiteral("ab[c]"));
  state.Frames[1].duration = 700;
  const Animation animation = AnimationOf(state);
  QCOMPARE(animation.Count(), 3);
  QCOMPARE(animation.frames[1].duration, 700);
  QVERIFY(animation.Frame(2) == (Picture{20, 10, Pattern(QLatin1Char('c'))}));
  DocumentState other = StartedDocument(5, 5);
  TakeAnimation(other, animation);
  QCOMPARE(Shown(other), QStringLiteral("[a]bc"));
  QCOMPARE(other.MX, 20);
  QCOMPARE(other.Frames[1].duration, 700);
}

void FrameCommandsTest::durationOfTheCurrentFrame_data() {
  QTest::addColumn<std::optional<int>>("chosen");
  QTest::addColumn<int>("duration");
  QTest::addColumn<bool>("changed");
  QTest::newRow("cancelled") << std::optional<int>() << 700 << false;
  QTest::newRow("the same") << std::optional<int>(700) << 700 << false;
  QTest::newRow("longer") << std::optional<int>(1200) << 1200 << true;
  QTest::newRow("shortest") << std::optional<int>(100) << 100 << true;
  QTest::newRow("longest") << std::optional<int>(10000) << 10000 << true;
  QTest::newRow("too short") << std::optional<int>(40) << 100 << true;
  QTest::newRow("too long") << std::optional<int>(60000) << 10000 << true;
}

// The dialog starts from the current frame's duration and sets only that
// frame's; undo brings the old one back.
void FrameCommandsTest::durationOfTheCurrentFrame() {
  QFETCH(std::optional<int>, chosen);
  QFETCH(int, duration);
  QFETCH(bool, changed);
  DocumentState state = Document(QStringLiteral("a[b]c"));
  state.Frames[1].duration = 700;
  SaveUndo(state);
  RecordingView view;
  ScriptedDuration window;
  window.chosen = chosen;
  frameduration(state, view, window);
  QCOMPARE(window.shown, 700);
  QCOMPARE(state.Frames[1].duration, duration);
  QCOMPARE(state.Frames[0].duration + state.Frames[2].duration, 2 * kNewFrameDuration);
  QCOMPARE(state.IZM != kOff, changed);
  editundo(state, view);
  if (changed) QCOMPARE(state.Frames[1].duration, 700);
  QCOMPARE(Shown(state), QStringLiteral("a[b]c"));
}

QTEST_APPLESS_MAIN(FrameCommandsTest)
#include "tst_frame_commands.moc"
