#pragma once

#include "picture/animation.h"
#include "picture/document_state.h"

namespace tochkograf {

// The document's frames. Every edit of the picture works on the current
// frame, in Pixels; these move frames in and out of it. None of them reads
// or writes FileName, IZM or the undo snapshot: commands/frame_commands.h
// makes the undoable commands of them. Those that may fail (a 65th frame,
// deleting the only one, moving the first one left) say whether they did
// anything and otherwise leave the document as it was.

int FrameCount(const DocumentState& state);

// Frame `index`'s cells, wherever it is kept.
PackedBlock FrameCells(const DocumentState& state, int index);

// Makes frame `index` the current one.
void GoToFrame(DocumentState& state, int index);

// A new frame after the current one, with its cells (a copy of the current
// frame) or paper, of the new-frame duration; it becomes current.
bool AddFrameCopy(DocumentState& state);
bool AddBlankFrame(DocumentState& state);
// Removes the current frame; the one after it, or the new last one,
// becomes current.
bool DeleteFrame(DocumentState& state);
// Moves the current frame one place to the left (-1) or right (+1); it
// stays current.
bool MoveFrame(DocumentState& state, int step);
// Gives the current frame `duration` milliseconds, held to kShortestFrame..
// kLongestFrame; false where it already had that.
bool SetFrameDuration(DocumentState& state, int duration);

// Makes the current Pixels the first of the frames whose durations are
// `durations`, the others' cells `further`, in turn; the first becomes
// current. ASSUMPTION: one cells for each duration but the first.
void TakeFrames(DocumentState& state, const std::vector<std::int32_t>& durations,
                const std::vector<PackedBlock>& further);

// Every frame of the document, each with its own cells.
Animation AnimationOf(const DocumentState& state);

// Makes the document the frames of `animation` (1..kMaxFrames of them)
// and their size; the first becomes current.
void TakeAnimation(DocumentState& state, const Animation& animation);

// Makes the document one frame of the new-frame duration, its cells the
// current Pixels.
void KeepOneFrame(DocumentState& state);

}  // namespace tochkograf
