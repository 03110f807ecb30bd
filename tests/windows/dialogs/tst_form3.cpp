#include <QLabel>
#include <QScreen>
#include <QtTest>

#include "fakes/modal.h"
#include "version.h"
#include "windows/adapters/qt_side_windows.h"
#include "windows/artwork.h"
#include "windows/dialogs/form3.h"

using namespace tochkograf;

namespace {

// A pace the timer never reaches within a test: the cases tick by hand.
constexpr int kNever = 3'600'000;

void Tick(Form3& splash, int times) {
  for (int i = 0; i < times; ++i) splash.Timer1_Timer();
}

enum class Press { LetterKey, ShiftKey, EscapeKey, LeftButton, RightButton, LeftOnVersionLine };

void Hit(Form3& splash, Press press) {
  switch (press) {
    case Press::LetterKey:
      QTest::keyClick(&splash, Qt::Key_A);
      break;
    case Press::ShiftKey:
      QTest::keyClick(&splash, Qt::Key_Shift);
      break;
    case Press::EscapeKey:
      QTest::keyClick(&splash, Qt::Key_Escape);
      break;
    case Press::LeftButton:
      QTest::mousePress(&splash, Qt::LeftButton, {}, QPoint(250, 100));
      break;
    case Press::RightButton:
      QTest::mousePress(&splash, Qt::RightButton, {}, QPoint(10, 10));
      break;
    case Press::LeftOnVersionLine: {
      auto* label = splash.findChild<QLabel*>(QStringLiteral("Label1"));
      QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
      break;
    }
  }
}

}  // namespace

class Form3Test : public QObject {
  Q_OBJECT

 private slots:
  void showsLogoAndVersionLine();
  void sitsBorderlessInTheScreenCentre();
  void logoIs256ColoursAtItsSize();
  void windowIconHasEachTitleSizeDrawn();
  void hidesOnTick101AndStopsForGood();
  void hidesAtOnceOnAnyPress_data();
  void hidesAtOnceOnAnyPress();
  void realTimerEndsTheModalSplash();
  void aboutNeverRestartsTheTimer();
  void earlyClosedSplashTimerHidesTheAbout();
};

void Form3Test::showsLogoAndVersionLine() {
  Form3 splash(nullptr, kNever);
  auto* label = splash.findChild<QLabel*>(QStringLiteral("Label1"));
  QVERIFY(label->text().startsWith(QStringLiteral("Версия " TOCHKOGRAF_VERSION "   ")));
  QVERIFY(label->text().size() > 14);  // an authorship note follows
  QVERIFY(!label->text().contains(QLatin1Char('\n')));
  QCOMPARE(label->geometry(), QRect(8, 208, 481, 17));
  QVERIFY(label->alignment() & Qt::AlignHCenter);
  QVERIFY(!label->autoFillBackground());

  // The logo fills the window; away from the version line nothing covers it.
  splash.show();
  const QImage shown = splash.grab().toImage();
  const qreal ratio = shown.devicePixelRatio();  // a denser screen shows the larger drawing
  const QImage logo = SplashLogo(ratio).toImage();
  for (const QPoint at : {QPoint(0, 0), QPoint(250, 100), QPoint(499, 229), QPoint(3, 215)}) {
    const QPoint device = (QPointF(at) * ratio).toPoint();
    QCOMPARE(shown.pixelColor(device), logo.pixelColor(device));
  }
}

void Form3Test::sitsBorderlessInTheScreenCentre() {
  Form3 splash(nullptr, kNever);
  QCOMPARE(splash.size(), QSize(500, 230));
  QCOMPARE(splash.minimumSize(), splash.maximumSize());
  QCOMPARE(splash.windowType(), Qt::SplashScreen);  // no taskbar entry
  QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
  splash.show();
  QCOMPARE(splash.geometry().center(), splash.screen()->availableGeometry().center());
}

void Form3Test::logoIs256ColoursAtItsSize() {
  for (const qreal ratio : {1.0, 2.0}) {
    const QPixmap logo = SplashLogo(ratio);
    QCOMPARE(logo.deviceIndependentSize(), QSizeF(500, 230));
    QCOMPARE(logo.devicePixelRatio(), ratio);
  }
  const QImage file(QStringLiteral(":/art/logo.png"));
  QCOMPARE(file.format(), QImage::Format_Indexed8);
  QVERIFY(file.colorCount() <= 256);
}

// Each size a title bar or task list shows is drawn, not scaled from another,
// and nothing larger travels with every window.
void Form3Test::windowIconHasEachTitleSizeDrawn() {
  const QIcon icon = AppIcon();
  const QList<QSize> expected = {{16, 16}, {24, 24}, {32, 32}, {48, 48}};
  QCOMPARE(icon.availableSizes(), expected);
  for (const QSize& size : expected) {
    const QImage drawn = icon.pixmap(size, 1.0).toImage();  // the drawing itself, on any screen
    QCOMPARE(drawn.size(), size);
    QVERIFY2(drawn.pixel(size.width() / 2, size.height() / 2) != drawn.pixel(0, 0),
             "the icon is a picture, not an empty square");
  }
}

void Form3Test::hidesOnTick101AndStopsForGood() {
  Form3 splash(nullptr, kNever);
  QVERIFY(splash.TimerRunning());  // from creation on
  splash.show();
  Tick(splash, 100);
  QVERIFY(splash.isVisible());
  QCOMPARE(splash.SplashTicks(), 100);
  Tick(splash, 1);
  QVERIFY(!splash.isVisible());
  QCOMPARE(splash.SplashTicks(), 0);
  QVERIFY(!splash.TimerRunning());
}

void Form3Test::hidesAtOnceOnAnyPress_data() {
  QTest::addColumn<Press>("press");
  QTest::newRow("letter") << Press::LetterKey;
  QTest::newRow("Shift") << Press::ShiftKey;
  QTest::newRow("Escape") << Press::EscapeKey;
  QTest::newRow("left button") << Press::LeftButton;
  QTest::newRow("right button") << Press::RightButton;
  QTest::newRow("on the version line") << Press::LeftOnVersionLine;
}

void Form3Test::hidesAtOnceOnAnyPress() {
  QFETCH(Press, press);
  Form3 splash(nullptr, kNever);
  splash.show();
  Tick(splash, 7);
  Hit(splash, press);
  QVERIFY(!splash.isVisible());
  QCOMPARE(splash.SplashTicks(), 7);  // the count goes on while hidden
  QVERIFY(splash.TimerRunning());
}

void Form3Test::realTimerEndsTheModalSplash() {
  Form3 splash(nullptr, 1);
  QElapsedTimer clock;
  clock.start();
  splash.ShowModal();
  QVERIFY(clock.elapsed() >= 100);  // 101 ticks at least a millisecond apart
  QVERIFY(!splash.TimerRunning());
  QCOMPARE(splash.SplashTicks(), 0);
}

// With no splash to show again, the about box is made at its first opening,
// its timer running from then on, and the same window comes every time.
void Form3Test::aboutNeverRestartsTheTimer() {
  QWidget owner;
  QtSideWindows windows(&owner);
  Form3* about = nullptr;
  for (int opening = 0; opening < 4; ++opening) {
    bool same_window = false;
    OnNextModal([&](QWidget* modal) {
      if (!about) {  // the first opening: its timer's last tick hides it
        about = qobject_cast<Form3*>(modal);
        QVERIFY(about && about->TimerRunning());
        while (about->isVisible()) about->Timer1_Timer();
        same_window = true;
        return;
      }
      same_window = modal == about;
      QVERIFY(!about->TimerRunning());
      QTest::keyClick(modal, Qt::Key_Space);
    });
    windows.ShowAbout();
    QVERIFY(same_window);
    QVERIFY(!about->TimerRunning());
    QCOMPARE(about->SplashTicks(), 0);
  }
  QCOMPARE(owner.findChildren<Form3*>().size(), 1);
}

// The splash the program started with is the about box; closed early, its
// timer runs on and hides the about box at its 101st tick.
void Form3Test::earlyClosedSplashTimerHidesTheAbout() {
  QWidget owner;
  Form3 splash(nullptr, kNever);
  splash.show();
  Tick(splash, 40);
  QTest::mousePress(&splash, Qt::LeftButton);
  QVERIFY(!splash.isVisible() && splash.TimerRunning());

  QtSideWindows windows(&owner, &splash);
  int visible_through = -1;
  OnNextModal([&](QWidget* modal) {
    QVERIFY(modal == &splash);
    for (int tick = 41; tick <= 101 && splash.isVisible(); ++tick) {
      visible_through = tick - 1;
      splash.Timer1_Timer();
    }
  });
  windows.ShowAbout();  // returns only once the 101st tick has hidden it
  QCOMPARE(visible_through, 100);
  QVERIFY(!splash.TimerRunning());
  QVERIFY(owner.findChildren<Form3*>().isEmpty());  // no second window
}

QTEST_MAIN(Form3Test)
#include "tst_form3.moc"
