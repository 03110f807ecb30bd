#include "commands/imported_picture.h"

#include "picture/undo_clipboard.h"
#include "picture/view.h"

namespace tochkograf {

void TakeImportedPicture(DocumentContext& document, const Picture& picture, Flag changed) {
  DocumentState& state = document.state;
  SaveUndo(state);
  state.IZM = changed;
  state.MX = picture.width;
  state.MY = picture.height;
  for (int y = 1; y <= picture.height; ++y)
    for (int x = 1; x <= picture.width; ++x) state.Pixels(x, y) = picture.cells(x, y);
  RedrawPole(state, document.view);
  state.FileName = kUntitled;
}

}  // namespace tochkograf
