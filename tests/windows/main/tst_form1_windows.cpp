#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "fakes/modal.h"
#include "fakes/pictures.h"
#include "fakes/side_windows.h"
#include "files/formats/ems_format.h"
#include "windows/dialogs/form3.h"
#include "windows/dialogs/form4.h"
#include "windows/main/form1.h"
#include "windows/main/pole.h"
#include "windows/main/start_up.h"

using namespace tochkograf;

namespace {

QString SizeLabel(Form1& form) { return form.findChild<QLabel*>(QStringLiteral("Label2"))->text(); }
QPushButton* SizeButton(Form1& form) {
  return form.findChild<QPushButton*>(QStringLiteral("Command1_6"));
}
QAction* Item(Form1& form, const char* name) {
  return form.findChild<QAction*>(QLatin1String(name));
}

QList<QWidget*> VisibleWindows() {
  QList<QWidget*> visible;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) visible << w;
  return visible;
}

// A pace the splash's timer never reaches within a test.
constexpr int kNever = 3'600'000;

}  // namespace

class Form1WindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void startShowsTheSplashAloneThenTheWindow_data();
  void startShowsTheSplashAloneThenTheWindow();
  void makingTheWindowShowsNothing();
  void aboutShowsTheStartingSplashAgain();
  void sizeDialogOpensFromMenuAndButton_data();
  void sizeDialogOpensFromMenuAndButton();
  void helpAndAboutOpenTheirWindows();
  void realSizeDialogShowsTheNewSizeAtOnce();
  void mainWindowStaysUsableUnderHelp();
};

void Form1WindowsTest::startShowsTheSplashAloneThenTheWindow_data() {
  QTest::addColumn<QString>("file");  // named on the command line
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("size");
  QTest::newRow("no file") << QString() << "Tochkograf"
                           << " 32 x 32";
  QTest::newRow("a picture named") << "cat.ems"
                                   << "cat - Tochkograf"
                                   << " 16 x 12";
}

// The splash is the only window until it has gone, and no main window is
// made while it is up; the main window then comes with the file in it.
void Form1WindowsTest::startShowsTheSplashAloneThenTheWindow() {
  QFETCH(QString, file);
  QFETCH(QString, caption);
  QFETCH(QString, size);
  QTemporaryDir dir;
  QFile picture(dir.filePath(QStringLiteral("cat.ems")));
  QVERIFY(picture.open(QIODevice::WriteOnly));
  picture.write(EncodeEms({16, 12, PixelGrid()}));
  picture.close();
  std::optional<QString> named;
  if (!file.isEmpty()) named = dir.filePath(file);

  FakeSideWindows windows;
  StartUp start(named, Form1Seams{.windows = &windows}, kNever);
  QVERIFY(QTest::qWaitForWindowExposed(start.Splash()));
  QTest::qWait(50);
  QCOMPARE(VisibleWindows(), QList<QWidget*>{start.Splash()});
  QVERIFY(!start.MainWindow());

  QTest::keyClick(start.Splash(), Qt::Key_Shift);
  QVERIFY(!start.Splash()->isVisible());
  QTRY_VERIFY(start.MainWindow() && start.MainWindow()->isVisible());
  Form1& form = *start.MainWindow();
  QCOMPARE(VisibleWindows(), QList<QWidget*>{&form});
  QCOMPARE(form.windowTitle(), caption);
  QCOMPARE(SizeLabel(form), size);
  QCOMPARE(form.State().GridOn, kOn);
  QCOMPARE(form.State().IZM, kOff);
}

// No window, and so no event loop of its own, while the main window is made.
void Form1WindowsTest::makingTheWindowShowsNothing() {
  Form1 form;
  QVERIFY(VisibleWindows().isEmpty());
  QVERIFY(form.findChildren<Form3*>().isEmpty());
  QCOMPARE(form.State().MX, 32);
  QCOMPARE(form.windowTitle(), QStringLiteral("Tochkograf"));
}

// The about box is the very splash the program started with.
void Form1WindowsTest::aboutShowsTheStartingSplashAgain() {
  StartUp start(std::nullopt, {}, kNever);
  QTest::mouseClick(start.Splash(), Qt::LeftButton);
  QTRY_VERIFY(start.MainWindow() && start.MainWindow()->isVisible());
  QWidget* shown = nullptr;
  OnNextModal([&](QWidget* modal) {
    shown = modal;
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  Item(*start.MainWindow(), "about")->trigger();
  QVERIFY(shown && shown == start.Splash());
  QVERIFY(start.MainWindow()->findChildren<Form3*>().isEmpty());
}

void Form1WindowsTest::sizeDialogOpensFromMenuAndButton_data() {
  QTest::addColumn<bool>("from_button");
  QTest::addColumn<QSize>("chosen");  // none: cancelled
  QTest::newRow("button 6, OK") << true << QSize(72, 14);
  QTest::newRow("menu, OK") << false << QSize(72, 14);
  QTest::newRow("menu, OK at the same size") << false << QSize(32, 32);
  QTest::newRow("button 6, cancelled") << true << QSize();
  QTest::newRow("menu, cancelled") << false << QSize();
}

// The size chosen is the picture's, and the undo snapshot's, and counts as
// a change even where it is the size the picture had.
void Form1WindowsTest::sizeDialogOpensFromMenuAndButton() {
  QFETCH(bool, from_button);
  QFETCH(QSize, chosen);
  FakeSideWindows windows;
  if (chosen.isValid()) windows.size_chosen = chosen;
  Form1 form(Form1Seams{.windows = &windows});
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  if (from_button)
    QTest::mouseClick(SizeButton(form), Qt::LeftButton);
  else
    Item(form, "size")->trigger();
  QCOMPARE(windows.calls.last(), QStringLiteral("size"));
  const QSize now = chosen.isValid() ? chosen : QSize(32, 32);
  QCOMPARE(SizeLabel(form), QStringLiteral(" %1 x %2").arg(now.width()).arg(now.height()));
  QCOMPARE(QSize(form.State().Undo.MX, form.State().Undo.MY), now);
  QCOMPARE(form.State().IZM, chosen.isValid() ? kOn : kOff);
}

void Form1WindowsTest::helpAndAboutOpenTheirWindows() {
  FakeSideWindows windows;
  Form1 form(Form1Seams{.windows = &windows});
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QTest::keyClick(&form, Qt::Key_F1);
  Item(form, "helpme")->trigger();
  Item(form, "about")->trigger();
  QCOMPARE(windows.calls, (QStringList{"help", "help", "about"}));
}

// The dialog closes before the main window gets to repaint: the size label
// and the drawing area must show the new size straight after "OK".
void Form1WindowsTest::realSizeDialogShowsTheNewSizeAtOnce() {
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
