#pragma once

#include "picture/document_state.h"
#include "picture/picture_view.h"

namespace tochkograf {

// The commands of "Редактирование" and the shift keys: each runs its edit
// of picture/ on the document, sets IZM when the picture changed (an undo of
// two equal pictures, a paste of the picture itself, a shift of a blank
// picture change nothing and leave it as it was) and repaints. Undo, cut and
// paste work on the whole block of 128 x 96 cells, whatever the picture's
// size; the shifts on the picture alone.

// Exchanges the picture and its size with the undo snapshot, so a second
// undo redoes.
void editundo(DocumentState& state, PictureView& view);
void editcut(DocumentState& state, PictureView& view);
// Copy changes nothing on screen, so it needs no view.
void editcopy(DocumentState& state);
// Takes the undo snapshot first, so that undo takes the paste back.
void editpaste(DocumentState& state, PictureView& view);

// One pixel up, down, left and right, round the edges; no snapshot is taken.
void sup(DocumentState& state, PictureView& view);
void sdown(DocumentState& state, PictureView& view);
void sleft(DocumentState& state, PictureView& view);
void sright(DocumentState& state, PictureView& view);

// The whole picture, MX x MY, flipped left to right, top to bottom, turned
// half round or inverted; each is one step of undo, the snapshot taken only
// where the picture changes.
void editfliph(DocumentState& state, PictureView& view);
void editflipv(DocumentState& state, PictureView& view);
void editrotate(DocumentState& state, PictureView& view);
void editinvert(DocumentState& state, PictureView& view);

}  // namespace tochkograf
