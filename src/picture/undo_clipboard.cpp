#include "picture/undo_clipboard.h"

#include <utility>

#include "picture/picture.h"

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

void SaveUndo(DocumentState& state) {
  state.Undo.MX = state.MX;
  state.Undo.MY = state.MY;
  CopyBlock(state.Pixels, state.Undo.Pixels);
  state.Undo.Frames = state.Frames;
  state.Undo.CurrentFrame = state.CurrentFrame;
}

void SetPictureSize(DocumentState& state, int width, int height) {
  state.MX = state.Undo.MX = width;
  state.MY = state.Undo.MY = height;
}

bool ExchangeWithUndo(DocumentState& state) {
  UndoSnapshot& undo = state.Undo;
  if (!FitsEditor(undo.MX, undo.MY)) undo.MX = state.MX, undo.MY = state.MY;
  if (undo.Frames.empty()) undo.Frames.resize(1);
  if (undo.CurrentFrame < 0 || undo.CurrentFrame >= static_cast<int>(undo.Frames.size()))
    undo.CurrentFrame = 0;
  const bool changed = undo.MX != state.MX || undo.MY != state.MY ||
                       !SameBlock(undo.Pixels, state.Pixels) || undo.Frames != state.Frames ||
                       undo.CurrentFrame != state.CurrentFrame;
  std::swap(state.MX, undo.MX);
  std::swap(state.MY, undo.MY);
  std::swap(state.Frames, undo.Frames);
  std::swap(state.CurrentFrame, undo.CurrentFrame);
  ForEachBlockCell([&](int x, int y) { std::swap(state.Pixels(x, y), undo.Pixels(x, y)); });
  return changed;
}

bool CutToClipboard(DocumentState& state) {
  const bool changed = !SameBlock(state.Pixels, PixelGrid());
  state.ClipPiece = QRect();
  ForEachBlockCell([&](int x, int y) {
    state.ClipPixels(x, y) = state.Pixels(x, y);
    state.Pixels(x, y) = kOff;
  });
  return changed;
}

void CopyToClipboard(DocumentState& state) {
  CopyBlock(state.Pixels, state.ClipPixels);
  state.ClipPiece = QRect();
}

bool PasteFromClipboard(DocumentState& state) {
  const bool changed = !SameBlock(state.Pixels, state.ClipPixels);
  CopyBlock(state.ClipPixels, state.Pixels);
  return changed;
}

}  // namespace tochkograf
