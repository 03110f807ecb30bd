#include "picture/drawing_tools.h"

#include <cmath>
#include <utility>

#include "picture/flood_fill.h"
#include "picture/pen.h"
#include "picture/undo_clipboard.h"

namespace tochkograf {

namespace {

// How far beyond the picture a shape may follow the mouse: farther than any
// screen reaches, near enough that no arithmetic overflows.
constexpr double kFarthest = 4096;

int IndexUnder(double position, double extent, int count) {
  if (!(extent > 0) || count < 1) return 0;
  double index = std::floor(position / (extent / count)) + 1;
  if (!(index >= -kFarthest)) index = -kFarthest;
  if (!(index <= count + kFarthest)) index = count + kFarthest;
  return static_cast<int>(index);
}

bool Inside(const DocumentState& state, QPoint cell) {
  return cell.x() >= 1 && cell.x() <= state.MX && cell.y() >= 1 && cell.y() <= state.MY;
}

std::optional<Flag> ValueOf(std::uint8_t button) {
  if (button == kLeftButton) return kOn;
  if (button == kRightButton) return kOff;
  return std::nullopt;
}

std::optional<Shape> ShapeOf(DrawingTool tool) {
  switch (tool) {
    case DrawingTool::kLine:
      return Shape::kLine;
    case DrawingTool::kRectangle:
      return Shape::kRectangle;
    case DrawingTool::kFilledRectangle:
      return Shape::kFilledRectangle;
    case DrawingTool::kEllipse:
      return Shape::kEllipse;
    case DrawingTool::kFilledEllipse:
      return Shape::kFilledEllipse;
    default:
      return std::nullopt;
  }
}

bool Shows(const PixelGrid& pixels, int x, int y, Flag value) {
  return (pixels(x, y) != kOff) == (value != kOff);
}

// The cells of `runs` that the picture does not already show as `value`.
CellRuns ShownOtherwise(const CellRuns& runs, const PixelGrid& pixels, Flag value) {
  CellRuns differ;
  for (const CellRun& run : runs)
    for (int x = run.first; x <= run.last; ++x) {
      if (Shows(pixels, x, run.y, value)) continue;
      if (!differ.empty() && differ.back().y == run.y && differ.back().last == x - 1)
        differ.back().last = x;
      else
        differ.push_back({run.y, x, x});
    }
  return differ;
}

// Sets the cells of `runs` that lie in the picture to `value`, and asks for
// those that change to be repainted.
void Draw(DocumentState& state, PictureView& view, const CellRuns& runs, Flag value) {
  CellMask cells;
  cells.Add(runs, state.MX, state.MY);
  const CellRuns changed = ShownOtherwise(cells.Runs(), state.Pixels, value);
  for (const CellRun& run : changed)
    for (int x = run.first; x <= run.last; ++x) state.Pixels(x, run.y) = value;
  state.IZM = kOn;
  view.RepaintCells(changed);
}

void Fill(DocumentState& state, PictureView& view, QPoint cell, Flag value) {
  if (!Inside(state, cell) || Shows(state.Pixels, cell.x(), cell.y(), value)) return;
  SaveUndo(state);
  Draw(state, view, FillRegion(state.Pixels, state.MX, state.MY, cell), value);
}

}  // namespace

QPoint CellUnder(const DocumentState& state, const PictureView& view, double X, double Y) {
  return QPoint(IndexUnder(X, view.InnerWidth(), state.MX),
                IndexUnder(Y, view.InnerHeight(), state.MY));
}

void DrawingTools::MouseDown(DocumentState& state, PictureView& view, std::uint8_t button, double X,
                             double Y, bool shift) {
  if (Dragging()) {
    if (button != drag_button_ && ValueOf(button)) EndShape(state, view, false);
    return;
  }
  const QPoint cell = CellUnder(state, view, X, Y);
  switch (state.Tool) {
    case DrawingTool::kPen:
      PoleMouseDown(state, view, button, X, Y);
      break;
    case DrawingTool::kFill:
      if (const auto value = ValueOf(button)) Fill(state, view, cell, *value);
      break;
    case DrawingTool::kSelect:
      if (button == kLeftButton) SelectDown(state, view, cell);
      break;
    case DrawingTool::kText:
      text_press_.reset();
      if (ValueOf(button) && Inside(state, cell))
        text_press_.emplace(button, TextClick{cell, *ValueOf(button)});
      break;
    default:
      if (ValueOf(button) && Inside(state, cell)) StartShape(state, view, button, cell, shift);
  }
}

void DrawingTools::MouseMove(DocumentState& state, PictureView& view, double X, double Y,
                             bool shift) {
  if (state.Tool == DrawingTool::kPen) PoleMouseMove(state, view, X, Y);
  if (Selecting()) SelectMove(state, view, CellUnder(state, view, X, Y));
  if (!Dragging()) return;
  end_ = CellUnder(state, view, X, Y);
  shift_ = shift;
  ShowShape(state, view);
}

void DrawingTools::MouseUp(DocumentState& state, PictureView& view, std::uint8_t button) {
  if (state.Tool == DrawingTool::kPen) PoleMouseUp(state);
  if (Dragging() && button == drag_button_) EndShape(state, view, true);
  if (Selecting() && button == kLeftButton) {
    // A click that marked a single cell marks nothing.
    if (select_ == SelectDrag::kMarking && !grab_left_) selection_.Clear();
    select_ = SelectDrag::kNone;
    view.RepaintAll();
  }
  // A click is whole once its button has come up.
  if (text_press_ && text_press_->first == button) text_click_ = text_press_->second;
  text_press_.reset();
}

void DrawingTools::ShiftChanged(DocumentState& state, PictureView& view, bool shift) {
  if (!Dragging() || shift == shift_) return;
  shift_ = shift;
  ShowShape(state, view);
}

void DrawingTools::Cancel(DocumentState& state, PictureView& view) {
  state.DrawButton = kNoButton;
  text_press_.reset();
  text_click_.reset();
  select_ = SelectDrag::kNone;
  if (Dragging()) EndShape(state, view, false);
}

void DrawingTools::Resized(DocumentState& state, PictureView& view) {
  Cancel(state, view);
  PoleResized(state, view);
}

std::optional<TextClick> DrawingTools::TakeTextClick() {
  return std::exchange(text_click_, std::nullopt);
}

void DrawingTools::StartShape(DocumentState& state, PictureView& view, std::uint8_t button,
                              QPoint cell, bool shift) {
  before_ = state.Undo;
  SaveUndo(state);
  drag_button_ = button;
  shape_ = *ShapeOf(state.Tool);
  start_ = end_ = cell;
  shift_ = shift;
  preview_ = ShapePreview{{}, *ValueOf(button)};
  ShowShape(state, view);
}

// Only the cells whose colour on screen changes are repainted: those the
// shape leaves or reaches where the picture is not already of its colour.
void DrawingTools::ShowShape(DocumentState& state, PictureView& view) {
  const QPoint end = shift_ ? ConstrainedEnd(shape_, start_, end_) : end_;
  CellMask cells;
  cells.Add(ShapeRuns(shape_, start_, end), state.MX, state.MY);
  const CellRuns changed =
      ShownOtherwise(cells.Difference(preview_.cells), state.Pixels, preview_.value);
  preview_.cells = cells;
  view.RepaintCells(changed);
}

// The shape shows just as it will be drawn, so drawing it repaints nothing;
// taking it away repaints what it covered.
void DrawingTools::EndShape(DocumentState& state, PictureView& view, bool draw) {
  drag_button_ = 0;
  const CellRuns covered = preview_.cells.Runs();
  preview_.cells = CellMask();
  if (draw) {
    for (const CellRun& run : covered)
      for (int x = run.first; x <= run.last; ++x) state.Pixels(x, run.y) = preview_.value;
    state.IZM = kOn;
  } else {
    state.Undo = before_;
    view.RepaintCells(ShownOtherwise(covered, state.Pixels, preview_.value));
  }
}

void DrawingTools::SelectDown(DocumentState& state, PictureView& view, QPoint cell) {
  grab_ = cell;
  grab_left_ = false;
  if (selection_.Rect().contains(cell)) {
    selection_.Lift(state);
    select_ = SelectDrag::kMoving;
    return;
  }
  selection_.PutDown(state);
  selection_.Mark(state, cell, cell);
  select_ = SelectDrag::kMarking;
  view.RepaintAll();
}

void DrawingTools::SelectMove(DocumentState& state, PictureView& view, QPoint cell) {
  if (select_ == SelectDrag::kMarking) {
    grab_left_ = grab_left_ || cell != grab_;
    selection_.Mark(state, grab_, cell);
  } else {
    if (cell == grab_) return;
    const QPoint was = selection_.Rect().topLeft();
    selection_.MoveBy(state, cell - grab_);
    grab_ += selection_.Rect().topLeft() - was;
  }
  view.RepaintAll();
}

QStringList PlaceText(DocumentState& state, PictureView& view, const TextClick& click,
                      const QString& text, const BitmapFont& font) {
  const PixelText written = TextRuns(text, font, click.cell);
  SaveUndo(state);
  Draw(state, view, written.runs, click.value);
  return written.missing;
}

}  // namespace tochkograf
