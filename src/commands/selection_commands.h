#pragma once

#include "commands/document_context.h"
#include "commands/transfer/desktop_clipboard.h"
#include "commands/transfer/image_import.h"
#include "picture/document_state.h"
#include "picture/picture_view.h"
#include "picture/selection.h"

namespace tochkograf {

// The edit commands where cells are marked: each works on the marked cells
// (the floating piece where it floats) and leaves the rest of the picture
// as it is; with nothing marked, on the whole picture as it always did.
// Each repaints; those that change the picture's cells mark it changed, and
// all but the shifts are a step of undo of their own, as on the whole
// picture.
void selectionedit(DocumentState& state, PictureView& view, Selection& selection, PieceEdit edit);
// The marked cells into the program's clipboard, which remembers where
// they were; the cut leaves paper there.
void selectioncopy(DocumentState& state, const Selection& selection);
void selectioncut(DocumentState& state, PictureView& view, const Selection& selection);
// A piece on the clipboard floats where it was copied from, marked, for
// the user to move and put down; a whole picture is pasted as before.
void selectionpaste(DocumentState& state, PictureView& view, Selection& selection);
// "Копировать как изображение" of the marked cells: an image of their size.
void selectioncopyimage(const DocumentState& state, const Selection& selection,
                        DesktopClipboard& clipboard);
// "Вставить изображение": the desktop clipboard's image floats at the
// picture's top-left corner, marked, as it is where it has at most two
// colours and fits the picture, otherwise as the conversion dialog makes it
// (clipped to the picture); the dialog's Cancel changes nothing. With no
// image there it says so.
void selectionpasteimage(DocumentContext& document, ConversionWindow& window, Selection& selection,
                         DesktopClipboard& clipboard);

// "Вставить как новый кадр": a new frame after the current one holding the
// clipboard's piece where it was copied from (or its whole picture), paper
// elsewhere; a step of undo.
void framepaste(DocumentState& state, PictureView& view);

}  // namespace tochkograf
