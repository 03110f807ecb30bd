#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>

#include "picture/bitmap_font.h"
#include "picture/cell_mask.h"
#include "picture/document_state.h"
#include "picture/picture_view.h"
#include "picture/pixel_font.h"
#include "picture/selection.h"
#include "picture/shapes.h"

namespace tochkograf {

// Where a click of the text tool asks for a line of text, and in what: ink
// for the left button, paper for the right.
struct TextClick {
  QPoint cell;
  Flag value = kOn;
};

// The mouse on the drawing area for every tool of state.Tool; the pen goes
// on exactly as pen.h draws. A shape starts at the cell where the left or
// right button goes down, takes the undo snapshot there as the pen does,
// follows the mouse (also beyond the picture, clipped to it) as a preview
// that changes no cell, and is drawn when that button comes up. The other
// button, Esc, a command or a new size of the drawing area cancel it, and
// the picture and the undo snapshot stay as they were before the press. A
// fill happens where the button goes down; a click of the text tool is
// left for the window to ask for the text (TakeTextClick). Positions are
// in the drawing area's own units, as pen.h takes them; `shift` is whether
// Shift is held. The selection tool's left button marks a rectangle of
// cells from its press to its release, or, pressed inside the marked
// cells, lifts them and moves them with the mouse; a press outside puts a
// floating piece down and a click there marks nothing.
class DrawingTools {
 public:
  void MouseDown(DocumentState& state, PictureView& view, std::uint8_t button, double X, double Y,
                 bool shift);
  void MouseMove(DocumentState& state, PictureView& view, double X, double Y, bool shift);
  void MouseUp(DocumentState& state, PictureView& view, std::uint8_t button);
  // Shift pressed or let go while the mouse stays still.
  void ShiftChanged(DocumentState& state, PictureView& view, bool shift);
  // Ends the pen's stroke or a shape's drag, drawing nothing more.
  void Cancel(DocumentState& state, PictureView& view);
  void Resized(DocumentState& state, PictureView& view);

  bool Dragging() const { return drag_button_ != 0; }
  // The selection tool's button is down.
  bool Selecting() const { return select_ != SelectDrag::kNone; }
  // The marked cells; they stay while the selection tool is in use.
  Selection& Marked() { return selection_; }
  const Selection& Marked() const { return selection_; }
  // The shape being dragged, over the picture.
  const ShapePreview& Preview() const { return preview_; }
  // A click of the text tool since the last call, if there was one.
  std::optional<TextClick> TakeTextClick();

 private:
  void StartShape(DocumentState& state, PictureView& view, std::uint8_t button, QPoint cell,
                  bool shift);
  void ShowShape(DocumentState& state, PictureView& view);
  void EndShape(DocumentState& state, PictureView& view, bool draw);
  void SelectDown(DocumentState& state, PictureView& view, QPoint cell);
  void SelectMove(DocumentState& state, PictureView& view, QPoint cell);

  std::uint8_t drag_button_ = 0;
  Shape shape_ = Shape::kLine;
  QPoint start_, end_;  // the end as the mouse has it, before Shift holds it
  bool shift_ = false;
  UndoSnapshot before_;  // the snapshot the press replaced
  ShapePreview preview_;
  std::optional<std::pair<std::uint8_t, TextClick>> text_press_;  // its button is still down
  std::optional<TextClick> text_click_;
  Selection selection_;
  enum class SelectDrag : std::uint8_t { kNone, kMarking, kMoving } select_ = SelectDrag::kNone;
  QPoint grab_;             // where the marking started, or the cell the piece is held by
  bool grab_left_ = false;  // the mouse has left the cell it was pressed on
};

// Writes `text` in `font` with the top-left of its first letter at the
// click's cell, in the click's colour, clipped to the picture; takes the
// undo snapshot first and marks the picture changed. Returns the characters
// the font lacks.
QStringList PlaceText(DocumentState& state, PictureView& view, const TextClick& click,
                      const QString& text, const BitmapFont& font);

// The cell under a position of the drawing area, 1-based, beyond the
// picture where the position is (kept within a few thousand cells of it).
QPoint CellUnder(const DocumentState& state, const PictureView& view, double X, double Y);

}  // namespace tochkograf
