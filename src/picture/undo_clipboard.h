#pragma once

#include "picture/document_state.h"
#include "picture/picture_view.h"

namespace tochkograf {

// Undo and the picture clipboard. Each works on the whole block of columns
// 1..128 by rows 1..96, whatever the picture size, so cells outside the
// current size travel with the picture. None reads or writes IZM, FileName,
// MX or MY.

// The undo snapshot: taken when a stroke begins, before a paste and after a
// file has been read.
void SaveUndo(DocumentState& state);

// Exchanges the picture with the snapshot, so a second undo redoes.
void editundo(DocumentState& state, PictureView& view);
void editcut(DocumentState& state, PictureView& view);
// Copy changes nothing on screen, so it needs no view.
void editcopy(DocumentState& state);
void editpaste(DocumentState& state, PictureView& view);

}  // namespace tochkograf
