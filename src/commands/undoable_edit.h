#pragma once

#include "picture/document_state.h"
#include "picture/picture_view.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"

namespace tochkograf {

// What every edit of the picture ends with: the unsaved-changes mark where
// it changed something, and the picture repainted.
inline void Edited(DocumentState& state, PictureView& view, bool changed) {
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

}  // namespace tochkograf
