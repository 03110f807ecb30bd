#pragma once

#include "picture/document_state.h"
#include "picture/picture_view.h"

namespace tochkograf {

// Makes the picture what it was after step `index` of its history. The
// return is one step of undo, so that undo brings back the picture from
// before it, and a step of the history itself, named after the step
// returned to; a return to the picture there is already changes nothing.
void ReturnToStep(DocumentState& state, PictureView& view, int index);

}  // namespace tochkograf
