#include "commands/edit_commands.h"

#include "commands/undoable_edit.h"
#include "picture/shifting.h"
#include "picture/undo_clipboard.h"
#include "picture/whole_picture.h"

namespace tochkograf {

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
