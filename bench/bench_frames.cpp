// Frames in a real window filling a 1920 x 1080 screen, with a 128 x 96
// animation: going to the next frame (Page Down) to the drawing area
// painted, against a full repaint of the area in the same window; playback,
// each frame's time on the screen against its duration over 100 frames,
// against a bare precise timer started afresh for each duration; and the
// peak memory of 64 frames drawn, each a step of undo, above one frame, each
// in a process of its own. Run on an X display of at least 1920 x 1080.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QtTest/QTest>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/no_side_windows.h"
#include "bench/paint_watch.h"
#include "bench/stats.h"
#include "picture/frames.h"
#include "picture/undo_clipboard.h"
#include "windows/main/form1.h"
#include "windows/main/playback.h"
#include "windows/main/pole.h"

using namespace tochkograf;
using namespace tochkograf::bench;

namespace {

void Scribble(PixelGrid& pixels, unsigned seed) {
  for (int y = 1; y <= kMaxHeight; ++y)
    for (int x = 1; x <= kMaxWidth; ++x)
      pixels(x, y) = ((x * 7 + y * 13 + seed * 31) * 2654435761u >> 13) & 1 ? kOn : kOff;
}

// `count` frames of 128 x 96 drawn in the window, each new frame and each
// drawing a step of undo; prints the process's peak in kB.
int MeasureMemory(int count) {
  NoSideWindows windows;
  Form1 form(Form1Seams{.windows = &windows});
  DocumentState& state = form.State();
  state.MX = kMaxWidth, state.MY = kMaxHeight;
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  for (int i = 0; i < count; ++i) {
    if (i > 0) form.findChild<QAction*>(QStringLiteral("framenew"))->trigger();
    SaveUndo(state);
    Scribble(state.Pixels, i);
    QTest::qWait(5);
  }
  form.findChild<QAction*>(QStringLiteral("editundo"))->trigger();
  QTest::qWait(50);
  QFile status(QStringLiteral("/proc/self/status"));
  status.open(QIODevice::ReadOnly);
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) std::printf("%s\n", line.mid(6).trimmed().constData());
  state.IZM = kOff;
  return FrameCount(state) == count ? 0 : 1;
}

long PeakOf(const char* self, int count) {
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  child.setProcessEnvironment(environment);
  child.start(QString::fromLocal8Bit(self), {QStringLiteral("--memory"), QString::number(count)});
  if (!child.waitForFinished(60000) || child.exitCode() != 0) return -1;
  return child.readAllStandardOutput().trimmed().split(' ').first().toLong();
}

// The worst difference, in ms, between each interval of `shown` (times in
// ns) and the duration of the frame it showed, and the drift of the last.
struct Held {
  double worst = 0, drift = 0;
};

Held Deviation(const std::vector<qint64>& shown, const std::function<int(int)>& duration) {
  Held held;
  qint64 due = 0;
  for (std::size_t i = 1; i < shown.size(); ++i) {
    const double interval = (shown[i] - shown[i - 1]) / 1e6;
    held.worst = std::max(held.worst, std::abs(interval - duration(static_cast<int>(i - 1))));
    due += duration(static_cast<int>(i - 1));
  }
  held.drift = (shown.back() - shown.front()) / 1e6 - due;
  return held;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc == 3 && QByteArray(argv[1]) == "--memory") return MeasureMemory(std::atoi(argv[2]));

  NoSideWindows windows;
  Form1 form(Form1Seams{.windows = &windows});
  DocumentState& state = form.State();
  state.MX = kMaxWidth, state.MY = kMaxHeight;
  form.setGeometry(form.screen()->availableGeometry());
  form.showMaximized();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  // Page Down reaches its command only in the active window.
  form.activateWindow();
  if (!QTest::qWaitForWindowActive(&form)) return 1;
  QTest::qWait(300);
  auto* pole = form.findChild<Pole*>(QStringLiteral("Pole"));
  PaintWatch watch(pole);
  std::printf("== Frames in a real window (%s), drawing area %d x %d, 128 x 96, grid on\n",
              qPrintable(QGuiApplication::platformName()), pole->width(), pole->height());

  // Ten frames of their own drawings, 100 and 120 ms in turn.
  constexpr int kFrames = 10;
  Scribble(state.Pixels, 0);
  for (int i = 1; i < kFrames; ++i) {
    form.findChild<QAction*>(QStringLiteral("framenew"))->trigger();
    Scribble(state.Pixels, i);
  }
  for (int i = 0; i < kFrames; ++i) state.Frames[i].duration = i % 2 ? 120 : 100;
  GoToFrame(state, 0);
  pole->repaint();

  // Page Down and Page Up in turn, alternating with a full repaint, and
  // with Ctrl+G, which turns the grid off or on: a full repaint that comes
  // from a key through the same way as Page Down.
  std::vector<double> switches, repaints, grids;
  bool down = true;
  for (int i = 0; i < 303; ++i) {
    if (i % 3 == 1) {
      repaints.push_back(PaintLatency(watch, [&] { pole->update(); }));
    } else if (i % 3 == 2) {
      grids.push_back(
          PaintLatency(watch, [&] { QTest::keyClick(pole, Qt::Key_G, Qt::ControlModifier); }));
    } else {
      switches.push_back(PaintLatency(
          watch, [&] { QTest::keyClick(pole, down ? Qt::Key_PageDown : Qt::Key_PageUp); }));
      down = !down;
    }
  }
  const Figure full = Summarise(repaints), next = Summarise(switches), grid = Summarise(grids);
  Print("full repaint (update to painted)", full);
  Print("Ctrl+G to painted", grid);
  Print("Page Down or Up to painted", next);
  PrintRatio("frame switch / full repaint", next, full, "target at most 1");
  PrintRatio("frame switch / Ctrl+G", next, grid, "target at most 1");
  int going = 1;
  Print("the switch's frames alone, unpainted", Measure([&] {
          GoToFrame(state, going);
          going = 1 - going;
        }));
  GoToFrame(state, 0);

  // Playback: when each frame reached the screen, for 101 frames.
  QElapsedTimer clock;
  clock.start();
  // A frame reached the screen with the first paint that shows its cells:
  // the window repaints at each frame before any other slot of the signal
  // runs, so the signal alone cannot tell which paint showed it.
  std::vector<qint64> painted;
  PixelGrid last;
  auto* playback = form.findChild<Playback*>();
  watch.on_paint = [&] {
    if (!playback->Playing() || (!painted.empty() && playback->Shown() == last)) return;
    painted.push_back(clock.nsecsElapsed());
    last = playback->Shown();
  };
  form.findChild<QAction*>(QStringLiteral("frameplay"))->trigger();
  while (painted.size() < 101) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  form.findChild<QAction*>(QStringLiteral("frameplay"))->trigger();
  watch.on_paint = nullptr;
  const auto duration = [](int i) { return i % kFrames % 2 ? 120 : 100; };
  const Held played = Deviation(painted, duration);

  // The floor: a precise single-shot timer started afresh with each
  // duration as it fires, nothing painted.
  std::vector<qint64> fired;
  QTimer bare;
  bare.setSingleShot(true);
  bare.setTimerType(Qt::PreciseTimer);
  QObject::connect(&bare, &QTimer::timeout, [&] {
    fired.push_back(clock.nsecsElapsed());
    if (fired.size() < 101) bare.start(duration(static_cast<int>(fired.size()) - 1));
  });
  fired.push_back(clock.nsecsElapsed());
  bare.start(duration(0));
  while (fired.size() < 101) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  const Held floor = Deviation(fired, duration);
  std::printf("  %-38s worst %.2f ms, drift after 100 frames %+.2f ms\n",
              "playback, each frame painted", played.worst, played.drift);
  std::printf("  %-38s worst %.2f ms, drift after 100 frames %+.2f ms\n",
              "a bare precise timer (floor)", floor.worst, floor.drift);
  std::printf("  %-38s %7.3g  target: worst at most 10 ms\n", "worst deviation / floor's",
              played.worst / std::max(floor.worst, 0.001));
  state.IZM = kOff;

  const long one = PeakOf(argv[0], 1), all = PeakOf(argv[0], kMaxFrames);
  std::printf("  %-38s one frame %ld kB, 64 frames %ld kB: %+ld kB  target at most 1024 kB\n",
              "peak memory, frames and undo", one, all, all - one);
  return 0;
}
