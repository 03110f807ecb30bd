#pragma once

#include "commands/document_context.h"
#include "picture/picture.h"

namespace tochkograf {

// Puts a picture brought in from another kind of file in the document: its
// size and cells, redrawn, as an untitled picture whose unsaved-changes mark
// is `changed`. The undo snapshot is taken first, as a paste takes it, so
// undo brings back the picture from before the import at its own size. The
// caption stays as it is.
void TakeImportedPicture(DocumentContext& document, const Picture& picture, Flag changed);

}  // namespace tochkograf
