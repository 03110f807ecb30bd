#pragma once

#include "picture/document_state.h"

namespace tochkograf {

// Undo and the picture clipboard, on the document alone: the commands that
// mark the picture changed and redraw it are in commands/edit_commands.h.
// Each works on the whole block of columns 1..128 by rows 1..96, whatever
// the picture size, so cells outside the current size travel with the
// picture. The snapshot keeps the picture's size and its frames as well,
// so undo brings a picture back at the size and with the frames it had.
// None of them reads or writes FileName or IZM. Those that may change the picture say whether they
// did.

// The undo snapshot: taken when a stroke begins, before a paste or an
// import, and after a file has been read.
void SaveUndo(DocumentState& state);

// Gives the picture a new size, as the size dialog's "OK" does. A change of
// size alone is no step of undo: the snapshot takes the new size too, so a
// later undo exchanges only the cells.
void SetPictureSize(DocumentState& state, int width, int height);

// Exchanges the picture, its size and its frames with the snapshot, so that
// doing it again brings the picture back. A snapshot never taken holds the
// empty one-frame picture at the current size.
bool ExchangeWithUndo(DocumentState& state);
// Moves the picture to the clipboard, leaving paper.
bool CutToClipboard(DocumentState& state);
void CopyToClipboard(DocumentState& state);
// Puts the clipboard over the picture; the snapshot is the caller's to take.
bool PasteFromClipboard(DocumentState& state);

}  // namespace tochkograf
