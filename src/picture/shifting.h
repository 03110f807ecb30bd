#pragma once

#include "picture/document_state.h"
#include "picture/picture_view.h"

namespace tochkograf {

// One-pixel shifts that rotate the picture inside its current size: the line
// leaving one side comes back on the other. Only columns 1..MX and rows 1..MY
// move; no undo snapshot is taken. A shift that moved anything sets IZM;
// one that moved nothing (a blank picture, or one a single pixel high
// shifted up or down) leaves it as it was.
void sup(DocumentState& state, PictureView& view);
void sdown(DocumentState& state, PictureView& view);
void sleft(DocumentState& state, PictureView& view);
void sright(DocumentState& state, PictureView& view);

}  // namespace tochkograf
