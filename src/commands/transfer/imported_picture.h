#pragma once

#include "commands/document_context.h"
#include "picture/animation.h"
#include "picture/picture.h"

namespace tochkograf {

// Puts frames brought in from another kind of file in the document in
// place of all of its own: their size, cells and durations, the first
// current and redrawn, as an untitled picture whose unsaved-changes mark is
// `changed`. The undo snapshot is taken first, as a paste takes it, so undo
// brings back every frame from before the import at their own size. The
// caption stays as it is.
void TakeImportedAnimation(DocumentContext& document, const Animation& animation, Flag changed);

// The same for one picture: the document becomes that one frame.
void TakeImportedPicture(DocumentContext& document, const Picture& picture, Flag changed);

}  // namespace tochkograf
