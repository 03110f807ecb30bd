#pragma once

#include "picture/document_state.h"
#include "picture/picture_view.h"

namespace tochkograf {

// The commands of "Кадры". Adding, deleting and moving a frame is a step of
// undo and marks the picture changed; one that cannot be done (a 65th
// frame, the only frame deleted, the first moved left) changes nothing.
// Going to another frame changes nothing in the picture: it only shows
// another frame. Each repaints.
void framenew(DocumentState& state, PictureView& view);    // a copy of the current frame
void frameblank(DocumentState& state, PictureView& view);  // paper
void framedelete(DocumentState& state, PictureView& view);
void frameleft(DocumentState& state, PictureView& view);
void frameright(DocumentState& state, PictureView& view);
void frameprevious(DocumentState& state, PictureView& view);
void framenext(DocumentState& state, PictureView& view);

}  // namespace tochkograf
