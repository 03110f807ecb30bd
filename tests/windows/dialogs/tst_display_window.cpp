#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "windows/dialogs/display_window.h"
#include "windows/main/form1.h"

using namespace tochkograf;

// "Вид" → "Как на дисплее..." follows what the main window's commands do
// to the picture, plays the frames, and keeps the screen and size chosen
// for its next opening.
class DisplayWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void followsTheDocument_data();
  void followsTheDocument();
  void playsTheFrames();
  void keepsTheChoice();
};

namespace {

void Run(Form1& form, const QString& name) { form.findChild<QAction*>(name)->trigger(); }

DisplayWindow* Opened(Form1& form) {
  Run(form, QStringLiteral("viewdisplay"));
  return form.findChild<DisplayWindow*>();
}

}  // namespace

void DisplayWindowTest::followsTheDocument_data() {
  QTest::addColumn<QStringList>("commands");
  QTest::addColumn<bool>("changes");
  QTest::newRow("inverted") << QStringList{"editinvert"} << true;
  QTest::newRow("a blank picture shifted") << QStringList{"sdown"} << false;
  QTest::newRow("inverted and undone") << QStringList{"editinvert", "editundo"} << false;
  QTest::newRow("a new frame inverted") << QStringList{"framenew", "editinvert"} << true;
  QTest::newRow("inverted and cut") << QStringList{"editinvert", "editcut"} << false;
}

void DisplayWindowTest::followsTheDocument() {
  QFETCH(QStringList, commands);
  QFETCH(bool, changes);
  Form1 form;
  DisplayWindow* window = Opened(form);
  QVERIFY(window && window->isVisible());
  const QImage before = window->Shown();
  for (const QString& command : commands) Run(form, command);
  if (changes) {
    QTRY_VERIFY(window->Shown() != before);
  } else {
    QTest::qWait(50);
    QCOMPARE(window->Shown(), before);
  }
  // The same look as a window opened afresh on the document.
  DisplayWindow fresh(form.State());
  QCOMPARE(window->Shown(), fresh.Shown());
}

void DisplayWindowTest::playsTheFrames() {
  Form1 form;
  Run(form, QStringLiteral("framenew"));
  Run(form, QStringLiteral("editinvert"));  // the second frame lit, the first blank
  DisplayWindow* window = Opened(form);
  const QImage lit = window->Shown();
  auto* play = window->findChild<QPushButton*>(QStringLiteral("Play"));
  QVERIFY(play->isEnabled());
  play->click();
  QTRY_VERIFY(window->Shown() != lit);
  const QImage blank = window->Shown();
  QTRY_COMPARE(window->Shown(), lit);
  // Drawn on while they play: the second frame blank too, from now on.
  Run(form, QStringLiteral("editinvert"));
  QTRY_COMPARE(window->Shown(), blank);
  for (int turn = 0; turn < 60; ++turn) {  // longer than both frames
    QTest::qWait(20);
    QVERIFY(window->Shown() == blank);
  }
  play->click();
  Run(form, QStringLiteral("framedelete"));
  QTRY_VERIFY(!play->isEnabled());
}

void DisplayWindowTest::keepsTheChoice() {
  Form1 form;
  DisplayWindow* window = Opened(form);
  auto* model = window->findChild<QComboBox*>(QStringLiteral("Model"));
  auto* zoom = window->findChild<QComboBox*>(QStringLiteral("Zoom"));
  const QImage first = window->Shown();
  const int last = model->count() - 1;
  model->setCurrentIndex(last);
  const int largest = zoom->count() - 1;
  zoom->setCurrentIndex(largest);
  QVERIFY(window->Shown().size() != first.size());
  window->close();
  QTRY_VERIFY(!form.findChild<DisplayWindow*>());
  window = Opened(form);
  QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("Model"))->currentIndex(), last);
  QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("Zoom"))->currentIndex(), largest);
}

QTEST_MAIN(DisplayWindowTest)
#include "tst_display_window.moc"
