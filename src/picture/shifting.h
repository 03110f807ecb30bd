#pragma once

#include "picture/document_state.h"

namespace tochkograf {

// One-pixel shifts that rotate the picture inside its current size: the line
// leaving one side comes back on the other, through ShiftLine. Only columns
// 1..MX and rows 1..MY move. Each says whether it moved anything (a blank
// picture, or one a single pixel high shifted up or down, stays as it was);
// the commands that mark the picture changed and redraw it are in
// commands/edit_commands.h.
bool ShiftUp(DocumentState& state);
bool ShiftDown(DocumentState& state);
bool ShiftLeft(DocumentState& state);
bool ShiftRight(DocumentState& state);

}  // namespace tochkograf
