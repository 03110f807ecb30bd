#include "windows/main/keyboard_menu_bar.h"

#include <QStyleOptionMenuItem>

namespace tochkograf {

void KeyboardMenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenuBar::initStyleOption(option, action);
  // The pointer passing over a title selects it too, but leaves the focus
  // where it was.
  if (hasFocus() && (option->state & QStyle::State_Selected)) option->state |= QStyle::State_Sunken;
}

}  // namespace tochkograf
