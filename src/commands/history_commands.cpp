#include "commands/history_commands.h"

#include "commands/undoable_edit.h"

namespace tochkograf {

void ReturnToStep(DocumentState& state, PictureView& view, int index) {
  const QString name = QStringLiteral("Возврат: ") + state.History.Name(index);
  UndoableEdit(state, view, [index, &name](DocumentState& document) {
    document.History.Restore(index, document);
    return document.History.Record(document, name);
  });
}

}  // namespace tochkograf
