// The drawing tools in a real window filling a 1920 x 1080 screen, with a
// 128 x 96 picture: one mouse move while an ellipse is dragged across the
// picture, and a fill of the whole empty picture, each from the event to the
// drawing area painted, against a full repaint of the area in the same
// window. Run on an X display of at least 1920 x 1080.

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScreen>
#include <QtTest/QTest>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/no_side_windows.h"
#include "bench/paint_watch.h"
#include "bench/stats.h"
#include "picture/drawing_tools.h"
#include "picture/pen.h"
#include "windows/main/form1.h"
#include "windows/main/pole.h"

using namespace tochkograf;
using namespace tochkograf::bench;

namespace {

// The time from the start of `work` to the drawing area painted, each run
// after a pause like those between the events of a real drag.
Figure Latency(PaintWatch& watch, const std::function<void()>& work, int samples) {
  std::vector<double> times;
  for (int i = 0; i < samples; ++i) {
    const double time = PaintLatency(watch, work);
    if (time < 0) std::printf("  (nothing painted in 2 s)\n");
    times.push_back(std::abs(time));
  }
  return Summarise(times);
}

QPointF CellCentre(const Pole* pole, double x, double y) {
  const QRect inner = pole->contentsRect();
  return QPointF(inner.left() + (x - 0.5) * inner.width() / kMaxWidth,
                 inner.top() + (y - 0.5) * inner.height() / kMaxHeight);
}

void Send(Pole* pole, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
          QPointF at) {
  QMouseEvent event(type, at, pole->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(pole, &event);
}

// A drawing area that paints nothing: the fill's own work, alone.
class NoView : public PictureView {
 public:
  double InnerWidth() const override { return 1920; }
  double InnerHeight() const override { return 1440; }
  void RepaintCell(int, int) override {}
  void RepaintAll() override {}
  void RepaintCells(const CellRuns&) override {}
  void SetSizeLabel(const QString&) override {}
};

Figure FillAlone() {
  DocumentState state;
  state.MX = kMaxWidth, state.MY = kMaxHeight, state.Tool = DrawingTool::kFill;
  NoView view;
  DrawingTools tools;
  bool ink = false;
  return Measure([&] {
    ink = !ink;
    tools.MouseDown(state, view, ink ? kLeftButton : kRightButton, 960, 720, false);
    tools.MouseUp(state, view, ink ? kLeftButton : kRightButton);
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  NoSideWindows windows;
  Form1 form(Form1Seams{.windows = &windows});
  form.State().MX = kMaxWidth;
  form.State().MY = kMaxHeight;
  form.setGeometry(form.screen()->availableGeometry());
  form.showMaximized();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  QTest::qWait(300);
  auto* pole = form.findChild<Pole*>(QStringLiteral("Pole"));
  PaintWatch watch(pole);
  std::printf("== Drawing tools in a real window (%s), drawing area %d x %d, 128 x 96, grid on\n",
              qPrintable(QGuiApplication::platformName()), pole->width(), pole->height());

  const Figure full = Latency(
      watch, [&] { pole->update(); }, 101);

  // An ellipse from the top-left cell, its other corner swept across the
  // picture and back.
  form.findChild<QAction*>(QStringLiteral("drawellipse"))->trigger();
  Send(pole, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, CellCentre(pole, 1, 1));
  int step = 0;
  const Figure drag = Latency(
      watch,
      [&] {
        const int k = step++ % 62, t = k < 32 ? k : 62 - k;
        Send(pole, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton,
             CellCentre(pole, 8 + t * 120 / 31.0, 6 + t * 90 / 31.0));
      },
      301);
  Send(pole, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, CellCentre(pole, 1, 1));

  // The whole empty picture filled; undo, not timed, empties it again.
  // Each fill alternates with a full repaint timed the same way, after the
  // same full repaint of the emptied picture.
  form.findChild<QAction*>(QStringLiteral("drawfill"))->trigger();
  std::vector<double> fills, repaints;
  for (int i = 0; i < 102; ++i) {
    for (int y = 1; y <= kMaxHeight; ++y)
      for (int x = 1; x <= kMaxWidth; ++x) form.State().Pixels(x, y) = kOff;
    pole->repaint();
    const QPointF middle = CellCentre(pole, 64, 48);
    if (i % 2) {
      repaints.push_back(Latency(
                             watch, [&] { pole->repaint(); }, 1)
                             .median);
      continue;
    }
    fills.push_back(
        Latency(
            watch,
            [&] { Send(pole, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, middle); },
            1)
            .median);
    Send(pole, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, middle);
  }
  const Figure full_now = Summarise(repaints);
  const Figure fill = Summarise(fills);

  Print("full repaint (update to painted)", full);
  Print("ellipse dragged, one move", drag);
  Print("fill of the empty picture", fill);
  PrintRatio("drag move / full repaint", drag, full, "target at most 1");
  Print("full repaint at once (repaint())", full_now);
  const Figure alone = FillAlone();
  Print("the fill's own work, nothing painted", alone);
  PrintRatio("fill / full repaint at once", fill, full_now, "target at most 1");
  form.State().IZM = kOff;
  return 0;
}
