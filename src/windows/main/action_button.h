#pragma once

#include <QPushButton>

class QAction;

namespace tochkograf {

// A toolbar button that runs its QAction and shows the action's picture,
// pressed while the action is checked. A push button, not a tool button, so
// that it looks as the band was drawn; with no tooltip unless one is given
// it, since the band's first buttons carry pictures only.
class ActionButton : public QPushButton {
  Q_OBJECT

 public:
  ActionButton(QAction* action, QWidget* parent);
  QAction* Action() const { return action_; }

 protected:
  // A checked button is drawn as held down: the style's own mark of a
  // checked push button is too faint to tell the tool in use at a glance.
  void paintEvent(QPaintEvent* event) override;

 private:
  void FollowAction();

  QAction* action_;
};

}  // namespace tochkograf
