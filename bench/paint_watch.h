#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPaintEvent>
#include <QWidget>
#include <functional>

namespace tochkograf::bench {

// Counts a widget's paint events, keeps the largest rectangle painted and
// calls `on_paint`, where set, as each one begins.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;
  QSize largest;
  std::function<void()> on_paint;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    ++paints;
    const QSize size = static_cast<QPaintEvent*>(event)->rect().size();
    if (size.width() * size.height() > largest.width() * largest.height()) largest = size;
    if (on_paint) on_paint();
    return false;
  }
};

// The time in microseconds from the start of `work` to the watched widget
// painted, after a pause like those between a person's key presses or the
// events of a drag; negated where nothing was painted in 2 s.
inline double PaintLatency(PaintWatch& watch, const std::function<void()>& work) {
  QElapsedTimer idle;
  idle.start();
  while (idle.nsecsElapsed() < 2'000'000) QCoreApplication::processEvents();
  const int before = watch.paints;
  QElapsedTimer timer;
  timer.start();
  work();
  while (watch.paints == before && timer.elapsed() < 2000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  const double time = timer.nsecsElapsed() / 1000.0;
  return watch.paints == before ? -time : time;
}

}  // namespace tochkograf::bench
