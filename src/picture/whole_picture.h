#pragma once

#include "picture/document_state.h"

namespace tochkograf {

// Edits of the whole picture: its MX x MY cells only, the hidden cells
// beyond its size staying as they are. Each says whether it changed
// anything (a picture as symmetric as the flip leaves it as it was); the
// commands that take the snapshot, mark the picture changed and redraw it
// are in commands/edit_commands.h.
bool FlipLeftRight(DocumentState& state);
bool FlipTopBottom(DocumentState& state);
bool RotateHalfTurn(DocumentState& state);
bool Invert(DocumentState& state);

}  // namespace tochkograf
