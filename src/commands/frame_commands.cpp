#include "commands/frame_commands.h"

#include "commands/undoable_edit.h"
#include "picture/frames.h"

namespace tochkograf {

void framenew(DocumentState& state, PictureView& view) { UndoableEdit(state, view, AddFrameCopy); }

void frameblank(DocumentState& state, PictureView& view) {
  UndoableEdit(state, view, AddBlankFrame);
}

void framedelete(DocumentState& state, PictureView& view) {
  UndoableEdit(state, view, DeleteFrame);
}

void frameleft(DocumentState& state, PictureView& view) {
  UndoableEdit(state, view, [](DocumentState& s) { return MoveFrame(s, -1); });
}

void frameright(DocumentState& state, PictureView& view) {
  UndoableEdit(state, view, [](DocumentState& s) { return MoveFrame(s, +1); });
}

void frameprevious(DocumentState& state, PictureView& view) {
  GoToFrame(state, state.CurrentFrame - 1);
  RedrawPole(state, view);
}

void framenext(DocumentState& state, PictureView& view) {
  GoToFrame(state, state.CurrentFrame + 1);
  RedrawPole(state, view);
}

}  // namespace tochkograf
