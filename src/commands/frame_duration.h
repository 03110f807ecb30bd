#pragma once

#include <optional>

#include "picture/document_state.h"
#include "picture/picture_view.h"

namespace tochkograf {

// The "Длительность кадра" dialog as the command sees it. The main window
// shows the real one; tests script it.
class FrameDurationWindow {
 public:
  virtual ~FrameDurationWindow() = default;
  // Asks for a frame's duration in milliseconds, starting from `duration`:
  // the one chosen with "OK", or nothing when it was cancelled.
  virtual std::optional<int> AskFrameDuration(int duration) = 0;
};

// "Длительность кадра...": the current frame's duration, as the dialog
// chooses it. A new duration is a step of undo and marks the picture
// changed; the same one, or a cancelled dialog, changes nothing.
void frameduration(DocumentState& state, PictureView& view, FrameDurationWindow& window);

}  // namespace tochkograf
