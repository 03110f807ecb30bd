#include "commands/transfer/imported_picture.h"

#include "picture/frames.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"

namespace tochkograf {

void TakeImportedAnimation(DocumentContext& document, const Animation& animation, Flag changed) {
  DocumentState& state = document.state;
  SaveUndo(state);
  state.IZM = changed;
  const PixelGrid before = state.Pixels;
  TakeAnimation(state, animation);
  // The cells beyond the new size keep what they held, as every change of
  // the picture's size leaves them.
  for (int y = 1; y <= kMaxHeight; ++y)
    for (int x = 1; x <= kMaxWidth; ++x)
      if (x > state.MX || y > state.MY) state.Pixels(x, y) = before(x, y);
  RedrawPole(state, document.view);
  state.FileName = kUntitled;
}

void TakeImportedPicture(DocumentContext& document, const Picture& picture, Flag changed) {
  TakeImportedAnimation(document, Animation::Of(picture), changed);
}

}  // namespace tochkograf
