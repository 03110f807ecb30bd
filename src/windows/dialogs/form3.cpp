#include "windows/dialogs/form3.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include "version.h"
#include "windows/artwork.h"
#include "windows/text_room.h"

namespace tochkograf {

namespace {

constexpr QSize kClientSize(500, 230);
constexpr QRect kVersionPlace(8, 208, 481, 17);
constexpr int kLastTick = 100;  // the tick after this one hides the splash

}  // namespace

Form3::Form3(QWidget* parent, int tick_milliseconds)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setWindowModality(Qt::ApplicationModal);
  setFixedSize(kClientSize);

  Label1_ = new QLabel(this);
  Label1_->setObjectName(QStringLiteral("Label1"));
  Label1_->setAlignment(Qt::AlignCenter);
  Label1_->setText(
      QStringLiteral("Версия " TOCHKOGRAF_VERSION "   © 2026 разработчики Tochkograf"));
  // A taller font raises the line's top into the clouds; its foot stays.
  QRect version = kVersionPlace;
  version.setTop(version.bottom() + 1 - Grown(version.height(), FontGrowth(Label1_)));
  Label1_->setGeometry(version);

  Timer1_ = new QTimer(this);
  Timer1_->setObjectName(QStringLiteral("Timer1"));
  Timer1_->setTimerType(Qt::PreciseTimer);
  connect(Timer1_, &QTimer::timeout, this, &Form3::Timer1_Timer);
  Timer1_->start(tick_milliseconds);

  PlaceOnScreenCentre();
}

// Not QDialog::exec: Qt lets a splash window's timers run while it is being
// shown, so the last tick may hide it before any modal loop has started.
void Form3::ShowModal() {
  show();
  if (isHidden()) return;
  QPointer<Form3> alive(this);
  QEventLoop loop;
  modal_loop_ = &loop;
  loop.exec(QEventLoop::DialogExec);
  if (alive) modal_loop_ = nullptr;
}

void Form3::Timer1_Timer() {
  ++SplashTicks_;
  if (SplashTicks_ > kLastTick) {
    hide();
    SplashTicks_ = 0;
    Timer1_->stop();
  }
}

bool Form3::TimerRunning() const { return Timer1_->isActive(); }

// Centred on the screen, not over the main window, which does not exist yet
// at start-up.
void Form3::PlaceOnScreenCentre() {
  QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry())
           .topLeft());
}

void Form3::paintEvent(QPaintEvent*) {
  if (logo_.isNull()) logo_ = SplashLogo(devicePixelRatio());
  QPainter painter(this);
  painter.drawPixmap(0, 0, logo_);
}

// The window has no title bar to click, so it takes the keyboard itself.
void Form3::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  activateWindow();
}

void Form3::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // Hidden, the window holds no picture and no surface; both come back at
  // its next showing.
  logo_ = QPixmap();
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (isHidden()) destroy();
      },
      Qt::QueuedConnection);
  if (modal_loop_) modal_loop_->quit();
  emit Hidden();
}

// Any key, even Shift or Escape, hides the window.
void Form3::keyPressEvent(QKeyEvent*) { hide(); }
void Form3::mousePressEvent(QMouseEvent*) { hide(); }

}  // namespace tochkograf
