#include "commands/edit_commands.h"

#include "picture/shifting.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"
#include "picture/whole_picture.h"

namespace tochkograf {

namespace {

// What every edit of the picture ends with: the unsaved-changes mark where
// it changed something, and the picture repainted.
void Edited(DocumentState& state, PictureView& view, bool changed) {
  if (changed) state.IZM = kOn;
  RedrawPole(state, view);
}

// An edit that is a step of undo of its own; one that changes nothing
// leaves the snapshot there was.
template <typename Edit>
void UndoableEdit(DocumentState& state, PictureView& view, Edit edit) {
  const UndoSnapshot before = state.Undo;
  SaveUndo(state);
  const bool changed = edit(state);
  if (!changed) state.Undo = before;
  Edited(state, view, changed);
}

}  // namespace

void editundo(DocumentState& state, PictureView& view) {
  Edited(state, view, ExchangeWithUndo(state));
}

void editcut(DocumentState& state, PictureView& view) {
  Edited(state, view, CutToClipboard(state));
}

void editcopy(DocumentState& state) { CopyToClipboard(state); }

void editpaste(DocumentState& state, PictureView& view) {
  SaveUndo(state);
  Edited(state, view, PasteFromClipboard(state));
}

void sup(DocumentState& state, PictureView& view) { Edited(state, view, ShiftUp(state)); }
void sdown(DocumentState& state, PictureView& view) { Edited(state, view, ShiftDown(state)); }
void sleft(DocumentState& state, PictureView& view) { Edited(state, view, ShiftLeft(state)); }
void sright(DocumentState& state, PictureView& view) { Edited(state, view, ShiftRight(state)); }

void editfliph(DocumentState& state, PictureView& view) {
  UndoableEdit(state, view, FlipLeftRight);
}
void editflipv(DocumentState& state, PictureView& view) {
  UndoableEdit(state, view, FlipTopBottom);
}
void editrotate(DocumentState& state, PictureView& view) {
  UndoableEdit(state, view, RotateHalfTurn);
}
void editinvert(DocumentState& state, PictureView& view) { UndoableEdit(state, view, Invert); }

}  // namespace tochkograf
