// The pen in a real window: the time from a mouse move over the drawing area
// to its cell being painted and flushed, against a full repaint of the area
// in the same window; and the largest repaint a stroke across the whole
// picture causes. Beside them, the least any change on screen can cost: one
// request that does nothing, written to the X server on the same connection.
// Run on an X display.

#include <xcb/xcb.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QtTest/QTest>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/no_side_windows.h"
#include "bench/paint_watch.h"
#include "bench/stats.h"
#include "windows/main/form1.h"
#include "windows/main/pole.h"

using namespace tochkograf;
using namespace tochkograf::bench;

namespace {

// Runs `work` and returns once the drawing area has painted since it began.
void PaintedAfter(PaintWatch& watch, const std::function<void()>& work) {
  const int before = watch.paints;
  work();
  while (watch.paints == before) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Lets the X server finish with the last frame, as it has between the
// events of a real stroke, so that each sample times one event on its own.
void Settle() {
  QElapsedTimer idle;
  idle.start();
  while (idle.nsecsElapsed() < 2'000'000) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

// Times `work`, each run after a pause like those between the events of a
// real stroke.
Figure AfterPauses(const std::function<void()>& work, int samples) {
  std::vector<double> times;
  for (int i = 0; i < samples; ++i) {
    Settle();
    QElapsedTimer timer;
    timer.start();
    work();
    times.push_back(timer.nsecsElapsed() / 1000.0);
  }
  return Summarise(times);
}

// Times `work` from its start until the drawing area has painted.
Figure Latency(PaintWatch& watch, const std::function<void()>& work, int samples) {
  return AfterPauses([&] { PaintedAfter(watch, work); }, samples);
}

// One no-op request written and flushed to the X server, timed like a pen
// move. No program shows anything sooner than this.
Figure OneXRequest(xcb_connection_t* connection, int samples) {
  return AfterPauses(
      [&] {
        xcb_no_operation(connection);
        xcb_flush(connection);
      },
      samples);
}

QPointF CellCentre(const Pole* pole, int x, int y) {
  const QRect inner = pole->contentsRect();
  return QPointF(inner.left() + (x - 0.5) * inner.width() / kMaxWidth,
                 inner.top() + (y - 0.5) * inner.height() / kMaxHeight);
}

void Move(Pole* pole, const QPointF& at) {
  QMouseEvent move(QEvent::MouseMove, at, pole->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(pole, &move);
}

void BenchWindow(Form1& form, QSize inner) {
  form.resize(inner.width(), inner.height() + (form.height() - form.centralWidget()->height()));
  QTest::qWait(200);
  auto* pole = form.findChild<Pole*>(QStringLiteral("Pole"));
  PaintWatch watch(pole);

  const Figure full = Latency(
      watch, [&] { pole->update(); }, 101);
  QMouseEvent press(QEvent::MouseButtonPress, CellCentre(pole, 64, 48),
                    pole->mapToGlobal(CellCentre(pole, 64, 48)), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  PaintedAfter(watch, [&] { QApplication::sendEvent(pole, &press); });
  int step = 0;
  const Figure pen = Latency(
      watch, [&] { Move(pole, CellCentre(pole, 60 + step++ % 8, 48)); }, 301);

  watch.largest = QSize();
  for (int x = 1; x <= kMaxWidth; ++x) {
    PaintedAfter(watch, [&] {
      Move(pole, CellCentre(pole, x, 1 + (x - 1) * (kMaxHeight - 1) / (kMaxWidth - 1)));
    });
  }
  QMouseEvent release(QEvent::MouseButtonRelease, CellCentre(pole, 128, 96),
                      pole->mapToGlobal(CellCentre(pole, 128, 96)), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(pole, &release);

  std::printf("drawing area %d x %d in a real window, 128 x 96 picture, grid on\n", pole->width(),
              pole->height());
  Print("full repaint (update to painted)", full);
  Print("pen move (event to cell painted)", pen);
  PrintRatio("pen move / full repaint", pen, full, "(report)");
  if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
    const Figure request = OneXRequest(x11->connection(), 301);
    Print("one X request written (the floor)", request);
    PrintRatio("one X request / full repaint", request, full, "(the least a pen move can be)");
    PrintRatio("pen move / one X request", pen, request, "target at most 3");
  }
  std::printf("  largest repaint in a stroke across the picture: %d x %d px (area %d x %d)\n\n",
              watch.largest.width(), watch.largest.height(), pole->contentsRect().width(),
              pole->contentsRect().height());
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  NoSideWindows windows;
  Form1 form(Form1Seams{.windows = &windows});
  form.State().MX = kMaxWidth;
  form.State().MY = kMaxHeight;
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  std::printf("== Pen in a real window (%s)\n", qPrintable(QGuiApplication::platformName()));
  BenchWindow(form, QSize(306, 362));
  BenchWindow(form, QSize(1200, 900));
  form.State().IZM = kOff;
  return 0;
}
