#include "windows/centre_over.h"

#include <QWidget>

#include "windows/screen_room.h"

namespace tochkograf {

void CentreOver(QWidget* dialog, const QWidget* owner) {
  const QRect owner_frame = owner->frameGeometry(), owner_client = owner->geometry();
  const QMargins decoration(
      owner_client.left() - owner_frame.left(), owner_client.top() - owner_frame.top(),
      owner_frame.right() - owner_client.right(), owner_frame.bottom() - owner_client.bottom());
  QRect frame = QRect(QPoint(), dialog->size()).marginsAdded(decoration);
  frame.moveCenter(owner_frame.center());
  // Kept on the screen with room for the largest frame it may get.
  const QRect room = frame.marginsRemoved(decoration).marginsAdded(Decoration(dialog));
  dialog->move(frame.topLeft() + OnScreen(room, dialog).topLeft() - room.topLeft());
}

}  // namespace tochkograf
