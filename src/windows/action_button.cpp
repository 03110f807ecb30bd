#include "windows/action_button.h"

#include <QAction>

namespace tochkograf {

ActionButton::ActionButton(QAction* action, QWidget* parent)
    : QPushButton(parent), action_(action) {
  setIconSize(QSize(24, 24));
  setFocusPolicy(Qt::StrongFocus);
  FollowAction();
  connect(action_, &QAction::changed, this, &ActionButton::FollowAction);
  connect(this, &QPushButton::clicked, action_, &QAction::trigger);
}

void ActionButton::FollowAction() {
  setIcon(action_->icon());
  setEnabled(action_->isEnabled());
  setCheckable(action_->isCheckable());
  setChecked(action_->isChecked());
}

}  // namespace tochkograf
