#include "picture/pen.h"

#include <cmath>
#include <vector>

#include "picture/drawing_tools.h"
#include "picture/line.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"

namespace tochkograf {

void PoleMouseDown(DocumentState& state, PictureView& view, std::uint8_t button, double X,
                   double Y) {
  SaveUndo(state);
  state.DrawButton = button;
  DrawAtMouse(state, view, X, Y);
  state.StrokeCell = CellUnder(state, view, X, Y);
}

void PoleMouseMove(DocumentState& state, PictureView& view, double X, double Y) {
  if (state.DrawButton != kLeftButton && state.DrawButton != kRightButton) {
    DrawAtMouse(state, view, X, Y);
    return;
  }
  const QPoint cell = CellUnder(state, view, X, Y);
  const Flag value = state.DrawButton == kLeftButton ? kOn : kOff;
  // The line's first cell is the last position's, drawn already.
  std::vector<QPoint> line = LineCells(state.StrokeCell, cell);
  std::erase_if(line, [&](QPoint c) {
    return c == state.StrokeCell || c.x() < 1 || c.x() > state.MX || c.y() < 1 || c.y() > state.MY;
  });
  state.StrokeCell = cell;
  if (line.empty()) return;
  CellRuns reached;
  for (const QPoint c : line) {
    state.Pixels(c.x(), c.y()) = value;
    reached.push_back({c.y(), c.x(), c.x()});
  }
  state.IZM = kOn;
  view.RepaintCells(reached);
}

void PoleMouseUp(DocumentState& state) { state.DrawButton = kNoButton; }

void PoleResized(DocumentState& state, PictureView& view) {
  RedrawPole(state, view);
  state.DrawButton = kNoButton;
}

namespace {

// The 1-based cell index of a position, or 0 when it lies outside 1..count.
// Floor, not truncation: a position a fraction left of the area is column 0.
// The range test is made on the real value, so nothing non-finite or huge
// ever becomes an index.
int CellIndex(double position, double extent, int count) {
  if (!(extent > 0) || count < 1) return 0;
  const double cell_size = extent / count;
  const double index = std::floor(position / cell_size) + 1;
  if (!(index >= 1 && index <= count)) return 0;
  return static_cast<int>(index);
}

}  // namespace

void DrawAtMouse(DocumentState& state, PictureView& view, double X, double Y) {
  if (state.DrawButton == kNoButton) return;
  const int y = CellIndex(Y, view.InnerHeight(), state.MY);
  const int x = CellIndex(X, view.InnerWidth(), state.MX);
  if (x == 0 || y == 0) return;
  if (state.DrawButton == kLeftButton) {
    state.Pixels(x, y) = kOn;
    PaintCellOn(view, x, y);
  } else if (state.DrawButton == kRightButton) {
    state.Pixels(x, y) = kOff;
    PaintCellOff(view, x, y);
  }
  state.IZM = kOn;
}

}  // namespace tochkograf
