#include "commands/frame_duration.h"

#include "commands/undoable_edit.h"
#include "picture/frames.h"

namespace tochkograf {

void frameduration(DocumentState& state, PictureView& view, FrameDurationWindow& window) {
  const std::optional<int> chosen =
      window.AskFrameDuration(state.Frames[state.CurrentFrame].duration);
  if (!chosen) return;
  UndoableEdit(state, view,
               [duration = *chosen](DocumentState& s) { return SetFrameDuration(s, duration); });
}

}  // namespace tochkograf
