// The drawing area's painting against the floor of one plain fill of the
// same surface, in the same run, and a one-cell pen repaint against a full
// repaint. Painted exactly as the drawing area paints, into an offscreen
// surface of the window's own format.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <cstdio>

#include "bench/stats.h"
#include "picture/cell_geometry.h"
#include "picture/document_state.h"
#include "windows/main/pole_painter.h"

using namespace tochkograf;
using namespace tochkograf::bench;

namespace {

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
  const CellGeometry geometry(width, height, state.MX, state.MY);
  PolePainter pole;
  const ShownCells cells = ShownCells::Of(state);

  const Figure fill = Measure([&] { painter.fillRect(whole, kPaperColour); });
  const Figure full = Measure([&] { pole.Paint(painter, cells, geometry, whole); });
  // What any repaint through a painter costs at least: the painted area,
  // already built, copied onto the surface.
  pole.Paint(painter, cells, geometry, whole);
  const QImage painted = surface.copy();
  const Figure blit = Measure([&] { painter.drawImage(0, 0, painted); });
  const Figure pen = Measure(
      [&] { pole.Paint(painter, cells, geometry, CellPaintRect(geometry, 64, 48)); }, 31, 2000);

  std::printf("%d x %d area, 128 x 96 random picture, grid %s\n", width, height,
              grid ? "on" : "off");
  Print("one fill of the whole area", fill);
  Print("full repaint", full);
  Print("one-cell repaint", pen);
  PrintRatio("full repaint / fill", full, fill, "target at most 4");
  PrintRatio("full repaint / one copy of the painted area", full, blit, "report: its floor");
  PrintRatio("one-cell repaint / full repaint", pen, full, "target at most 0.05");
  std::printf("\n");
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  std::printf("== Painting of the drawing area\n");
  for (const QSize size : {QSize(305, 305), QSize(1000, 750), QSize(1920, 1080)})
    for (Flag grid : {kOn, kOff}) BenchArea(size.width(), size.height(), grid);
  return 0;
}
