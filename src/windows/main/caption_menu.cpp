#include "windows/main/caption_menu.h"

#include <QStyleOptionMenuItem>

namespace tochkograf {

void CaptionMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenu::initStyleOption(option, action);
  option->icon = QIcon();
  option->maxIconWidth = 0;
}

}  // namespace tochkograf
