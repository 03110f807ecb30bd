#pragma once

#include <QPixmap>
#include <QWidget>
#include <cstdint>

class QEventLoop;
class QLabel;
class QTimer;

namespace tochkograf {

// The splash window, also the about box: the logo with the version line, no
// border, no taskbar entry. It is only ever hidden, never closed. From its
// creation Timer1 ticks; the 101st tick hides the window and stops the timer
// for good. A key or mouse press hides it at once but leaves the timer
// alone, so an about box opened before that tick is hidden by it too.
class Form3 : public QWidget {
  Q_OBJECT

 public:
  // 101 ticks last about one and a half seconds, as long as the splash was
  // meant to stay up where timers tick only every 15 or so milliseconds.
  static constexpr int kTickMilliseconds = 15;

  // `tick_milliseconds` is the pace of Timer1; tests choose one that never
  // comes and call Timer1_Timer themselves.
  explicit Form3(QWidget* parent = nullptr, int tick_milliseconds = kTickMilliseconds);

  // Shows the window modally, as the about box; returns once it has been
  // hidden.
  void ShowModal();

  void Timer1_Timer();
  std::int16_t SplashTicks() const { return SplashTicks_; }
  bool TimerRunning() const;

 signals:
  // The window has been hidden, by its timer or by a press.
  void Hidden();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void PlaceOnScreenCentre();

  std::int16_t SplashTicks_ = 0;
  QPixmap logo_;
  QLabel* Label1_ = nullptr;
  QTimer* Timer1_ = nullptr;
  QEventLoop* modal_loop_ = nullptr;  // while ShowModal waits
};

}  // namespace tochkograf
