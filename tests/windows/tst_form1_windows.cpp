#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "fakes/modal.h"
#include "fakes/pictures.h"
#include "fakes/side_windows.h"
#include "windows/form1.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/pole.h"

using namespace tochkograf;

namespace {

QString SizeLabel(Form1& form) { return form.findChild<QLabel*>(QStringLiteral("Label2"))->text(); }
QPushButton* SizeButton(Form1& form) {
  return form.findChild<QPushButton*>(QStringLiteral("Command1_6"));
}
QAction* Item(Form1& form, const char* name) {
  return form.findChild<QAction*>(QLatin1String(name));
}

bool AnyForm1Visible() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<Form1*>(w) && w->isVisible()) return true;
  return false;
}

// What the document looked like, and whether the main window was on the
// screen, while the splash was up.
struct SplashMoment {
  bool seen = false;
  DocumentState state;
  bool main_window_visible = true;
  QString caption;
};

}  // namespace

class Form1WindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void splashComesBeforeTheStartingState();
  void realSplashHoldsTheLoadUntilAKey();
  void sizeDialogOpensFromMenuAndButton_data();
  void sizeDialogOpensFromMenuAndButton();
  void helpAndAboutOpenTheirWindows();
  void realSizeDialogShowsTheNewSizeAtOnce();
  void mainWindowStaysUsableUnderHelp();
};

void Form1WindowsTest::splashComesBeforeTheStartingState() {
  FakeSideWindows windows;
  SplashMoment moment;
  windows.on_splash = [&] {
    moment.seen = true;
    moment.main_window_visible = AnyForm1Visible();
  };
  Form1 form(Form1Seams{.windows = &windows});
  QVERIFY(moment.seen);
  QVERIFY(!moment.main_window_visible);
  QCOMPARE(windows.calls, QStringList{QStringLiteral("splash")});
  QCOMPARE(form.State().MX, 32);
  QCOMPARE(form.State().GridOn, kOn);
}

void Form1WindowsTest::realSplashHoldsTheLoadUntilAKey() {
  SplashMoment moment;
  Form3* splash = nullptr;
  OnNextModal([&](QWidget* modal) {
    splash = qobject_cast<Form3*>(modal);
    QVERIFY(splash);
    auto* loading = qobject_cast<Form1*>(splash->parentWidget());
    QVERIFY(loading);
    moment.seen = true;
    moment.state = loading->State();
    moment.main_window_visible = loading->isVisible();
    moment.caption = loading->windowTitle();
    QTest::keyClick(splash, Qt::Key_Shift);
  });
  Form1 form;
  QVERIFY(moment.seen);
  QVERIFY(!moment.main_window_visible);
  // Nothing of the starting state is set while the splash is up.
  QCOMPARE(moment.state.MX, 0);
  QCOMPARE(moment.state.MY, 0);
  QCOMPARE(moment.state.GridOn, kOff);
  QVERIFY(moment.state.FileName.isEmpty());
  QVERIFY(moment.caption.isEmpty());

  QVERIFY(!splash->isVisible());
  QCOMPARE(form.State().MX, 32);
  QCOMPARE(form.State().MY, 32);
  QCOMPARE(form.State().FileName, QStringLiteral("*"));
  QCOMPARE(form.State().GridOn, kOn);
  QCOMPARE(form.windowTitle(), QStringLiteral("Tochkograf"));
  QCOMPARE(SizeLabel(form), QStringLiteral(" 32 x 32"));
}

void Form1WindowsTest::sizeDialogOpensFromMenuAndButton_data() {
  QTest::addColumn<bool>("from_button");
  QTest::addColumn<bool>("confirmed");
  QTest::newRow("button 6, OK") << true << true;
  QTest::newRow("menu, OK") << false << true;
  QTest::newRow("button 6, cancelled") << true << false;
  QTest::newRow("menu, cancelled") << false << false;
}

void Form1WindowsTest::sizeDialogOpensFromMenuAndButton() {
  QFETCH(bool, from_button);
  QFETCH(bool, confirmed);
  FakeSideWindows windows;
  if (confirmed) windows.size_chosen = QSize(72, 14);
  Form1 form(Form1Seams{.windows = &windows});
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  if (from_button)
    QTest::mouseClick(SizeButton(form), Qt::LeftButton);
  else
    Item(form, "size")->trigger();
  QCOMPARE(windows.calls.last(), QStringLiteral("size"));
  QCOMPARE(SizeLabel(form), confirmed ? QStringLiteral(" 72 x 14") : QStringLiteral(" 32 x 32"));
  QCOMPARE(form.State().IZM, confirmed ? kOn : kOff);
}

void Form1WindowsTest::helpAndAboutOpenTheirWindows() {
  FakeSideWindows windows;
  Form1 form(Form1Seams{.windows = &windows});
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QTest::keyClick(&form, Qt::Key_F1);
  Item(form, "helpme")->trigger();
  Item(form, "about")->trigger();
  QCOMPARE(windows.calls, (QStringList{"splash", "help", "help", "about"}));
}

// The dialog closes before the main window gets to repaint: the size label
// and the drawing area must show the new size straight after "OK".
void Form1WindowsTest::realSizeDialogShowsTheNewSizeAtOnce() {
  OnNextModal([](QWidget* splash) { QTest::mouseClick(splash, Qt::RightButton); });
  Form1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  OnNextModal([](QWidget* dialog) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command3_3")),
                      Qt::LeftButton);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
  });
  QTest::mouseClick(SizeButton(form), Qt::LeftButton);
  QCOMPARE(form.State().MX, 72);
  QCOMPARE(form.State().MY, 14);
  QCOMPARE(form.State().IZM, kOn);
  QCOMPARE(SizeLabel(form), QStringLiteral(" 72 x 14"));
}

void Form1WindowsTest::mainWindowStaysUsableUnderHelp() {
  OnNextModal([](QWidget* splash) { QTest::keyClick(splash, Qt::Key_Escape); });
  Form1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  Item(form, "helpme")->trigger();
  Form4* help = form.findChild<Form4*>();
  QVERIFY(help && help->isVisible());
  QCOMPARE(QApplication::activeModalWidget(), nullptr);

  auto* pole = form.findChild<Pole*>(QStringLiteral("Pole"));
  const QPoint first_cell = pole->contentsRect().topLeft() + QPoint(2, 2);
  QTest::mouseClick(pole, Qt::LeftButton, {}, first_cell);
  QCOMPARE(form.State().Pixels(1, 1), kOn);
  Item(form, "setka")->trigger();
  QCOMPARE(form.State().GridOn, kOff);
  QVERIFY(help->isVisible());
}

QTEST_MAIN(Form1WindowsTest)
#include "tst_form1_windows.moc"
