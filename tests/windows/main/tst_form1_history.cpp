#include <QAction>
#include <QtTest>

#include "fakes/scripted_messages.h"
#include "fakes/side_windows.h"
#include "picture/frames.h"
#include "windows/main/form1.h"
#include "windows/main/pole.h"

using namespace tochkograf;

namespace {

// What a step must bring back: the frames, their size and cells.
Animation Shot(const DocumentState& s) { return AnimationOf(s); }

}  // namespace

// The history through the main window: commands and strokes as a person
// gives them, the picture after each kept by the test as it was then, and
// every step returned to through the history's window.
class Form1HistoryTest : public QObject {
  Q_OBJECT

 private slots:
  void returnsToEveryStep_data();
  void returnsToEveryStep();

 private:
  // One of a script's words: a command's name, "pen:X,Y" (a click of the
  // pen at cell X, Y), "size:W,H" (the size dialog's choice) or "new",
  // answered "No" to the unsaved changes.
  void Do(Form1& form, const QString& word);
  void Trigger(Form1& form, const char* name) {
    form.findChild<QAction*>(QLatin1String(name))->trigger();
  }

  FakeSideWindows windows_;
  ScriptedMessages messages_;
};

void Form1HistoryTest::Do(Form1& form, const QString& word) {
  const QStringList parts = word.split(QLatin1Char(':'));
  const QStringList numbers = parts.value(1).split(QLatin1Char(','));
  if (parts[0] == QLatin1String("pen")) {
    auto* pole = form.findChild<Pole*>(QStringLiteral("Pole"));
    const QRect inner = pole->contentsRect();
    const QPoint at = inner.topLeft() +
                      QPoint(int((numbers[0].toInt() - 0.5) * inner.width() / form.State().MX),
                             int((numbers[1].toInt() - 0.5) * inner.height() / form.State().MY));
    QTest::mouseClick(pole, Qt::LeftButton, {}, at);
  } else if (parts[0] == QLatin1String("size")) {
    windows_.size_chosen = QSize(numbers[0].toInt(), numbers[1].toInt());
    Trigger(form, "size");
  } else if (parts[0] == QLatin1String("new")) {
    messages_.answers.enqueue(SaveAnswer::No);
    Trigger(form, "filenew");
  } else {
    Trigger(form, parts[0].toLatin1().constData());
  }
}

void Form1HistoryTest::returnsToEveryStep_data() {
  QTest::addColumn<QString>("script");
  QTest::addColumn<QStringList>("names");  // empty: not checked
  QTest::newRow("pen, then the edits undo did not reach")
      << "pen:2,3 pen:5,5 editcut pen:1,1 sup sleft size:20,10 editpaste"
      << QStringList{"Начало",           "Карандаш",           "Карандаш",
                     "Вырезание",        "Карандаш",           "Скролл вверх (8)",
                     "Скролл влево (4)", "Размер изображения", "Вставка"};
  QTest::newRow("nothing changed makes no step")
      << "editcopy sup pen:1,1 setka sdown editundo editundo" << QStringList{};
  QTest::newRow("frames: copies, moves, deletion")
      << "pen:1,1 framenew pen:2,2 frameleft framenext framedelete frameblank"
      << QStringList{"Начало",     "Карандаш",     "Новый кадр", "Карандаш",
                     "Кадр влево", "Удалить кадр", "Пустой кадр"};
  QTest::newRow("new starts again")
      << "pen:3,3 editinvert new pen:4,4" << QStringList{"Начало", "Карандаш"};
  QString many = QStringLiteral("pen:1,1");
  for (int i = 0; i < 120; ++i) many += QStringLiteral(" editinvert");
  QTest::newRow("the last hundred") << many << QStringList{};
}

void Form1HistoryTest::returnsToEveryStep() {
  QFETCH(QString, script);
  QFETCH(QStringList, names);
  windows_ = FakeSideWindows();
  messages_ = ScriptedMessages();
  Form1 form(Form1Seams{.messages = &messages_, .windows = &windows_});
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  DocumentState& s = form.State();
  std::vector<Animation> shots{Shot(s)};  // the picture after each change
  for (const QString& word : script.split(QLatin1Char(' '))) {
    Do(form, word);
    if (word == QLatin1String("new"))
      shots = {Shot(s)};
    else if (Shot(s) != shots.back())
      shots.push_back(Shot(s));
  }
  const int kept = std::min<int>(shots.size(), 101);
  QCOMPARE(s.History.Count(), kept);
  if (!names.isEmpty())
    for (int i = 0; i < kept; ++i) QCOMPARE(s.History.Name(i), names[i]);
  const int first = int(shots.size()) - kept;

  // Esc changes nothing; each return is a step, and undo goes back to
  // before it. A full history drops its oldest as the returns add to it,
  // so there only the oldest is returned to.
  windows_.step_chosen.reset();
  Trigger(form, "edithistory");
  QCOMPARE(Shot(s), shots.back());
  QCOMPARE(s.History.Count(), kept);
  for (int i = 0; i < (kept > 30 ? 1 : kept); ++i) {
    const Animation before = Shot(s);
    const int count = s.History.Count();
    windows_.step_chosen = i;
    Trigger(form, "edithistory");
    QCOMPARE(Shot(s), shots[first + i]);
    QCOMPARE(s.History.Count(), std::min(count + (before != shots[first + i]), 101));
    if (before == shots[first + i]) continue;  // no step, and undo keeps what it had
    Trigger(form, "editundo");
    QCOMPARE(Shot(s), before);
  }
}

QTEST_MAIN(Form1HistoryTest)
#include "tst_form1_history.moc"
