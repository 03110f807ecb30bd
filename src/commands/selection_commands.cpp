#include "commands/selection_commands.h"

#include "commands/edit_commands.h"
#include "commands/transfer/desktop_clipboard_commands.h"
#include "commands/undoable_edit.h"
#include "images/image_reading.h"
#include "images/png_codec.h"
#include "picture/frames.h"

namespace tochkograf {

namespace {

// The clipboard's cells that a paste brings: its piece, or the whole block.
PixelGrid ClipboardCells(const DocumentState& state) {
  if (state.ClipPiece.isEmpty()) return state.ClipPixels;
  PixelGrid cells;
  const QRect piece = state.ClipPiece & QRect(1, 1, kMaxWidth, kMaxHeight);
  for (int y = piece.top(); y <= piece.bottom(); ++y)
    for (int x = piece.left(); x <= piece.right(); ++x) cells(x, y) = state.ClipPixels(x, y);
  return cells;
}

}  // namespace

void selectionedit(DocumentState& state, PictureView& view, Selection& selection, PieceEdit edit) {
  const bool shift = edit == PieceEdit::kUp || edit == PieceEdit::kDown ||
                     edit == PieceEdit::kLeft || edit == PieceEdit::kRight;
  if (selection.Floating() || (shift && selection.Active())) {
    Edited(state, view, selection.Edit(state, edit));
    return;
  }
  if (selection.Active()) {
    UndoableEdit(state, view, [&](DocumentState& s) { return selection.Edit(s, edit); });
    return;
  }
  switch (edit) {
    case PieceEdit::kFlipLeftRight:
      return editfliph(state, view);
    case PieceEdit::kFlipTopBottom:
      return editflipv(state, view);
    case PieceEdit::kHalfTurn:
      return editrotate(state, view);
    case PieceEdit::kInvert:
      return editinvert(state, view);
    case PieceEdit::kUp:
      return sup(state, view);
    case PieceEdit::kDown:
      return sdown(state, view);
    case PieceEdit::kLeft:
      return sleft(state, view);
    case PieceEdit::kRight:
      return sright(state, view);
    case PieceEdit::kClear:
      return;
  }
}

void selectioncopy(DocumentState& state, const Selection& selection) {
  if (!selection.Active()) return editcopy(state);
  selection.CopyTo(state, state.ClipPixels);
  state.ClipPiece = selection.Rect();
}

void selectioncut(DocumentState& state, PictureView& view, const Selection& selection) {
  if (!selection.Active()) return editcut(state, view);
  selectioncopy(state, selection);
  Selection marked = selection;
  UndoableEdit(state, view, [&](DocumentState& s) { return marked.Edit(s, PieceEdit::kClear); });
}

void selectionpaste(DocumentState& state, PictureView& view, Selection& selection) {
  if (state.ClipPiece.isEmpty()) return editpaste(state, view);
  selection.Float(state, state.ClipPixels, state.ClipPiece);
  RedrawPole(state, view);
}

void selectioncopyimage(const DocumentState& state, const Selection& selection,
                        DesktopClipboard& clipboard) {
  clipboard.PutImage(PictureImage(selection.Piece(state)));
}

void selectionpasteimage(DocumentContext& document, ConversionWindow& window, Selection& selection,
                         DesktopClipboard& clipboard) {
  const QImage image = clipboard.Image();
  if (image.isNull()) {
    document.messages.ShowFailure(kNoImageOnClipboard);
    return;
  }
  DocumentState& state = document.state;
  const ImportedImage imported = ImportedImageOf(image);
  std::optional<Picture> piece = imported.picture;
  if (!piece || piece->width > state.MX || piece->height > state.MY) {
    ImageConversion conversion(imported);
    ConversionSettings settings = DefaultSettings(conversion, QSize(state.MX, state.MY));
    if (!window.ShowConversionDialog(imported, state.GridOn != kOff, settings)) return;
    piece = ImportedFrames::Still(imported).Converted(settings).Frame(0);
  }
  selection.Float(state, piece->cells, QRect(1, 1, piece->width, piece->height));
  RedrawPole(state, document.view);
}

void framepaste(DocumentState& state, PictureView& view) {
  const PixelGrid cells = ClipboardCells(state);
  UndoableEdit(state, view, [&](DocumentState& s) {
    if (!AddBlankFrame(s)) return false;
    s.Pixels = cells;
    return true;
  });
}

}  // namespace tochkograf
