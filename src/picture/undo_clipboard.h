#pragma once

#include "picture/document_state.h"
#include "picture/picture_view.h"

namespace tochkograf {

// Undo and the picture clipboard. Each works on the whole block of columns
// 1..128 by rows 1..96, whatever the picture size, so cells outside the
// current size travel with the picture. The snapshot keeps the picture's
// size as well, so undo brings a picture back at the size it had. None of
// them reads or writes FileName.
//
// Every command that changes the picture sets IZM; one that turns out to
// change nothing (an undo of two equal pictures, a paste of the picture
// itself) leaves it as it was, so that closing asks nothing. Copy changes
// nothing.

// The undo snapshot: taken when a stroke begins, before a paste or an
// import, and after a file has been read.
void SaveUndo(DocumentState& state);

// Gives the picture a new size, as the size dialog's "OK" does. A change of
// size alone is no step of undo: the snapshot takes the new size too, so a
// later undo exchanges only the cells.
void SetPictureSize(DocumentState& state, int width, int height);

// Exchanges the picture and its size with the snapshot, so a second undo
// redoes.
void editundo(DocumentState& state, PictureView& view);
void editcut(DocumentState& state, PictureView& view);
// Copy changes nothing on screen, so it needs no view.
void editcopy(DocumentState& state);
void editpaste(DocumentState& state, PictureView& view);

}  // namespace tochkograf
