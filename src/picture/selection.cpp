#include "picture/selection.h"

#include <algorithm>

#include "picture/undo_clipboard.h"

namespace tochkograf {

namespace {

// The piece's cells after `edit`: a w x h block at (1, 1) of `cells`.
PixelGrid Edited(const PixelGrid& cells, int w, int h, PieceEdit edit) {
  PixelGrid out = cells;
  for (int y = 1; y <= h; ++y)
    for (int x = 1; x <= w; ++x) {
      Flag& cell = out(x, y);
      switch (edit) {
        case PieceEdit::kFlipLeftRight:
          cell = cells(w + 1 - x, y);
          break;
        case PieceEdit::kFlipTopBottom:
          cell = cells(x, h + 1 - y);
          break;
        case PieceEdit::kHalfTurn:
          cell = cells(w + 1 - x, h + 1 - y);
          break;
        case PieceEdit::kInvert:
          cell = cells(x, y) != kOff ? kOff : kOn;
          break;
        case PieceEdit::kUp:
          cell = cells(x, y % h + 1);
          break;
        case PieceEdit::kDown:
          cell = cells(x, (y + h - 2) % h + 1);
          break;
        case PieceEdit::kLeft:
          cell = cells(x % w + 1, y);
          break;
        case PieceEdit::kRight:
          cell = cells((x + w - 2) % w + 1, y);
          break;
        case PieceEdit::kClear:
          cell = kOff;
          break;
      }
    }
  return out;
}

// The cells of `rect` in `from`, moved so that its top-left is at (1, 1).
PixelGrid Cut(const PixelGrid& from, QRect rect) {
  PixelGrid piece;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      piece(x - rect.left() + 1, y - rect.top() + 1) = from(x, y);
  return piece;
}

}  // namespace

void Selection::Mark(const DocumentState& state, QPoint from, QPoint to) {
  floating_ = false;
  // QRect's own normalized() leaves out the far row and column of a
  // rectangle given backwards.
  const QRect spanned(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                      QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
  rect_ = spanned & PictureRect(state);
}

void Selection::Clear() {
  rect_ = QRect();
  floating_ = false;
}

void Selection::Clip(const DocumentState& state) {
  if (!floating_) rect_ &= PictureRect(state);
}

void Selection::Lift(const DocumentState& state) {
  if (floating_ || !Active()) return;
  piece_ = Cut(state.Pixels, rect_);
  lifted_from_ = rect_;
  floating_ = true;
}

void Selection::Float(const DocumentState& state, const PixelGrid& cells, QRect from) {
  QRect at = from & QRect(1, 1, kMaxWidth, kMaxHeight);
  if (at.isEmpty()) return;
  piece_ = Cut(cells, at);
  at.setWidth(std::min(at.width(), state.MX));
  at.setHeight(std::min(at.height(), state.MY));
  at.moveRight(std::min(at.right(), state.MX));
  at.moveBottom(std::min(at.bottom(), state.MY));
  rect_ = at;
  lifted_from_ = QRect();
  floating_ = true;
}

bool Selection::OverPicture(const DocumentState& state, QPoint at) const {
  return QRect(at, rect_.size()).intersects(PictureRect(state));
}

void Selection::MoveBy(const DocumentState& state, QPoint by) {
  if (!floating_) return;
  QPoint at = rect_.topLeft() + by;
  at.setX(std::clamp(at.x(), 2 - rect_.width(), state.MX));
  at.setY(std::clamp(at.y(), 2 - rect_.height(), state.MY));
  rect_.moveTopLeft(at);
}

bool Selection::PutDown(DocumentState& state) {
  if (!floating_) return false;
  PixelGrid after = state.Pixels;
  for (int y = lifted_from_.top(); y <= lifted_from_.bottom(); ++y)
    for (int x = lifted_from_.left(); x <= lifted_from_.right(); ++x) after(x, y) = kOff;
  const QRect shown = rect_ & PictureRect(state);
  for (int y = shown.top(); y <= shown.bottom(); ++y)
    for (int x = shown.left(); x <= shown.right(); ++x)
      after(x, y) = piece_(x - rect_.left() + 1, y - rect_.top() + 1);
  floating_ = false;
  rect_ = shown;
  if (SameBlock(after, state.Pixels)) return false;
  SaveUndo(state);
  state.Pixels = after;
  state.IZM = kOn;
  return true;
}

void Selection::PutBack() {
  if (!floating_) return;
  floating_ = false;
  rect_ = lifted_from_;
}

std::optional<bool> Selection::FloatingAt(int x, int y) const {
  if (!floating_) return std::nullopt;
  if (rect_.contains(x, y)) return piece_(x - rect_.left() + 1, y - rect_.top() + 1) != kOff;
  if (lifted_from_.contains(x, y)) return false;
  return std::nullopt;
}

bool Selection::Edit(DocumentState& state, PieceEdit edit) {
  if (!Active()) return false;
  if (floating_) {
    piece_ = Edited(piece_, rect_.width(), rect_.height(), edit);
    return false;
  }
  const PixelGrid piece = Edited(Cut(state.Pixels, rect_), rect_.width(), rect_.height(), edit);
  bool changed = false;
  for (int y = rect_.top(); y <= rect_.bottom(); ++y)
    for (int x = rect_.left(); x <= rect_.right(); ++x) {
      const Flag cell = piece(x - rect_.left() + 1, y - rect_.top() + 1);
      changed = changed || (cell != kOff) != (state.Pixels(x, y) != kOff);
      state.Pixels(x, y) = cell;
    }
  return changed;
}

Picture Selection::Piece(const DocumentState& state) const {
  Picture piece{rect_.width(), rect_.height(), {}};
  if (Active()) piece.cells = floating_ ? piece_ : Cut(state.Pixels, rect_);
  return piece;
}

void Selection::CopyTo(const DocumentState& state, PixelGrid& to) const {
  to = PixelGrid();
  const Picture piece = Piece(state);
  for (int y = 1; y <= piece.height; ++y)
    for (int x = 1; x <= piece.width; ++x) {
      const QPoint at = rect_.topLeft() + QPoint(x - 1, y - 1);
      if (at.x() >= 1 && at.x() <= kMaxWidth && at.y() >= 1 && at.y() <= kMaxHeight)
        to(at.x(), at.y()) = piece.cells(x, y);
    }
}

}  // namespace tochkograf
