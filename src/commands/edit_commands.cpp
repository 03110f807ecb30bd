#include "commands/edit_commands.h"

#include "picture/shifting.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"

namespace tochkograf {

namespace {

// What every edit of the picture ends with: the unsaved-changes mark where
// it changed something, and the picture repainted.
void Edited(DocumentState& state, PictureView& view, bool changed) {
  if (changed) state.IZM = kOn;
  RedrawPole(state, view);
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

}  // namespace tochkograf
