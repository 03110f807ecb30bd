#include "picture/undo_clipboard.h"

#include <utility>

#include "picture/picture.h"
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

void MarkChangedIf(DocumentState& state, bool changed) {
  if (changed) state.IZM = kOn;
}

}  // namespace

void SaveUndo(DocumentState& state) {
  state.Undo.MX = state.MX;
  state.Undo.MY = state.MY;
  CopyBlock(state.Pixels, state.Undo.Pixels);
}

void SetPictureSize(DocumentState& state, int width, int height) {
  state.MX = state.Undo.MX = width;
  state.MY = state.Undo.MY = height;
}

void editundo(DocumentState& state, PictureView& view) {
  UndoSnapshot& undo = state.Undo;
  // A snapshot never taken holds the empty picture at the current size.
  if (!FitsEditor(undo.MX, undo.MY)) undo.MX = state.MX, undo.MY = state.MY;
  MarkChangedIf(
      state, undo.MX != state.MX || undo.MY != state.MY || !SameBlock(undo.Pixels, state.Pixels));
  std::swap(state.MX, undo.MX);
  std::swap(state.MY, undo.MY);
  ForEachBlockCell([&](int x, int y) { std::swap(state.Pixels(x, y), undo.Pixels(x, y)); });
  RedrawPole(state, view);
}

void editcut(DocumentState& state, PictureView& view) {
  MarkChangedIf(state, !SameBlock(state.Pixels, PixelGrid()));
  ForEachBlockCell([&](int x, int y) {
    state.ClipPixels(x, y) = state.Pixels(x, y);
    state.Pixels(x, y) = kOff;
  });
  RedrawPole(state, view);
}

void editcopy(DocumentState& state) { CopyBlock(state.Pixels, state.ClipPixels); }

void editpaste(DocumentState& state, PictureView& view) {
  SaveUndo(state);
  MarkChangedIf(state, !SameBlock(state.Pixels, state.ClipPixels));
  CopyBlock(state.ClipPixels, state.Pixels);
  RedrawPole(state, view);
}

}  // namespace tochkograf
