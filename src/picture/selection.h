#pragma once

#include <QPoint>
#include <QRect>
#include <optional>

#include "picture/document_state.h"
#include "picture/picture.h"

namespace tochkograf {

// What an edit of a piece does to its cells, within its own rectangle: the
// flips, the half turn, the inversion, the shifts round the edges (as the
// whole picture's, one cell) and the clearing to paper.
enum class PieceEdit {
  kFlipLeftRight,
  kFlipTopBottom,
  kHalfTurn,
  kInvert,
  kUp,
  kDown,
  kLeft,
  kRight,
  kClear
};

// A rectangle of cells marked on the picture, and the cells lifted out of
// it to be moved (or pasted) while they float above the picture. Floating
// cells change no cell of the picture until they are put down: the picture
// shows paper where they were lifted from and the piece above it, but holds
// its cells as they were, so that dropping the piece changes nothing.
// Rectangles are in cells, 1-based, within the picture; a floating piece may
// hang over its edges (at least one of its cells stays over the picture) and
// loses what hangs over when it is put down.
class Selection {
 public:
  bool Active() const { return !rect_.isEmpty(); }
  bool Floating() const { return floating_; }
  // The marked cells, where the floating piece is now while it floats.
  QRect Rect() const { return rect_; }

  // Marks the rectangle spanned by two cells, clipped to the picture; a
  // floating piece is dropped first.
  void Mark(const DocumentState& state, QPoint from, QPoint to);
  // Nothing marked, a floating piece dropped.
  void Clear();
  // Keeps the mark within the picture after its size changed.
  void Clip(const DocumentState& state);

  // Lifts the marked cells: they float where they are, and the picture
  // shows paper where they were.
  void Lift(const DocumentState& state);
  // `cells` (at their own places, within `from`) float at `from`, moved
  // just inside the picture where they no longer fit; nothing is lifted.
  void Float(const DocumentState& state, const PixelGrid& cells, QRect from);
  // Moves the floating piece by whole cells; a move that would take it off
  // the picture altogether takes it as far as it can go.
  void MoveBy(const DocumentState& state, QPoint by);
  // Puts the floating piece down, opaque: paper where it was lifted from,
  // then its cells over the picture. Takes the undo snapshot first and marks
  // the picture changed where it changes; says whether it did. The piece's cells stay marked.
  bool PutDown(DocumentState& state);
  // Drops the floating piece: the mark goes back to where it was lifted
  // from (a pasted piece leaves no mark). The picture is as it was.
  void PutBack();

  // The colour the floating piece shows at cell (x, y), if it covers it:
  // its own cell, or paper where it was lifted from.
  std::optional<bool> FloatingAt(int x, int y) const;

  // Edits the marked cells: those of the floating piece where it floats
  // (the picture stays as it is), otherwise the picture's. Says whether the
  // picture's cells changed.
  bool Edit(DocumentState& state, PieceEdit edit);
  // The marked cells (the floating piece's where it floats) as a picture
  // of their own.
  Picture Piece(const DocumentState& state) const;
  // The marked cells (the floating piece's where it floats) at their
  // places in `to`, the rest of `to` paper.
  void CopyTo(const DocumentState& state, PixelGrid& to) const;

 private:
  bool OverPicture(const DocumentState& state, QPoint at) const;

  QRect rect_;
  bool floating_ = false;
  QRect lifted_from_;  // empty for a pasted piece
  PixelGrid piece_;    // the floating cells, its top-left cell at (1, 1)
};

// The whole picture's rectangle of cells.
inline QRect PictureRect(const DocumentState& state) { return QRect(1, 1, state.MX, state.MY); }

}  // namespace tochkograf
