// Times the painting of the drawing area against the floor of one plain fill
// of the same surface, in the same run, and a pen move against a full repaint.

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "picture/cell_geometry.h"
#include "picture/document_state.h"
#include "windows/pole_painter.h"

using namespace tochkograf;

namespace {

struct Figure {
  double median, min, max;  // microseconds
};

// Runs `work` in batches and reports the time of one run.
Figure Measure(const std::function<void()>& work, int batches = 31, int per_batch = 20) {
  std::vector<double> times;
  for (int b = 0; b < batches; ++b) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < per_batch; ++i) work();
    times.push_back(timer.nsecsElapsed() / 1000.0 / per_batch);
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.front(), times.back()};
}

void Print(const char* what, const Figure& f) {
  std::printf("  %-34s %9.1f us  (min %.1f, max %.1f)\n", what, f.median, f.min, f.max);
}

void BenchArea(int width, int height, Flag grid) {
  DocumentState state;
  state.MX = kMaxWidth;
  state.MY = kMaxHeight;
  state.GridOn = grid;
  QRandomGenerator random(2024);
  for (int y = 1; y <= kMaxHeight; ++y)
    for (int x = 1; x <= kMaxWidth; ++x) state.Pixels(x, y) = random.bounded(2) ? kOn : kOff;

  QImage surface(width, height, QImage::Format_RGB32);
  QPainter painter(&surface);
  const QRect whole(0, 0, width, height);

  const Figure fill = Measure([&] { painter.fillRect(whole, kPaperColour); });
  PolePainter pole;
  const Figure full = Measure([&] {
    pole.Paint(painter, state, CellGeometry(width, height, state.MX, state.MY), whole);
  });
  const Figure pen = Measure([&] {
    const CellGeometry g(width, height, state.MX, state.MY);
    pole.Paint(painter, state, g, CellPaintRect(g, 64, 48));
  }, 31, 2000);

  std::printf("%d x %d, 128 x 96 random picture, grid %s\n", width, height, grid ? "on" : "off");
  Print("one fill of the whole area", fill);
  Print("full repaint", full);
  Print("pen move (one cell)", pen);
  std::printf("  full repaint / fill = %.2f   (target at most 4)\n", full.median / fill.median);
  std::printf("  pen move / full repaint = 1/%.0f   (target at most 1/20)\n\n",
              full.median / pen.median);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  for (const QSize size : {QSize(1920, 1080), QSize(1000, 750), QSize(305, 305)})
    for (Flag grid : {kOn, kOff}) BenchArea(size.width(), size.height(), grid);
  return 0;
}
