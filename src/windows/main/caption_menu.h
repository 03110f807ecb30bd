#pragma once

#include <QMenu>

namespace tochkograf {

// A menu of captions alone. Its actions may carry pictures for their toolbar
// buttons, but the menu shows none and keeps no room for them, which a
// plain QMenu keeps for any action with a picture even where it hides it.
class CaptionMenu : public QMenu {
  Q_OBJECT

 public:
  using QMenu::QMenu;

 protected:
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

}  // namespace tochkograf
