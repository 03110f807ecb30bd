#include "picture/undo_clipboard.h"

#include <utility>

#include "picture/view.h"

namespace tochkograf {

namespace {

template <typename CellAction>
void ForEachBlockCell(CellAction action) {
  for (int x = 1; x <= kMaxWidth; ++x)
    for (int y = 1; y <= kMaxHeight; ++y) action(x, y);
}

void CopyBlock(const PixelGrid& from, PixelGrid& to) {
  ForEachBlockCell([&](int x, int y) { to(x, y) = from(x, y); });
}

}  // namespace

void SaveUndo(DocumentState& state) { CopyBlock(state.Pixels, state.UndoPixels); }

void editundo(DocumentState& state, PictureView& view) {
  ForEachBlockCell(
      [&](int x, int y) { std::swap(state.Pixels(x, y), state.UndoPixels(x, y)); });
  RedrawPole(state, view);
}

void editcut(DocumentState& state, PictureView& view) {
  ForEachBlockCell([&](int x, int y) {
    state.ClipPixels(x, y) = state.Pixels(x, y);
    state.Pixels(x, y) = kOff;
  });
  RedrawPole(state, view);
}

void editcopy(DocumentState& state) { CopyBlock(state.Pixels, state.ClipPixels); }

void editpaste(DocumentState& state, PictureView& view) {
  SaveUndo(state);
  CopyBlock(state.ClipPixels, state.Pixels);
  RedrawPole(state, view);
}

}  // namespace tochkograf
