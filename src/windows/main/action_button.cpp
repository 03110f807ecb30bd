#include "windows/main/action_button.h"

#include <QAction>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tochkograf {

ActionButton::ActionButton(QAction* action, QWidget* parent)
    : QPushButton(parent), action_(action) {
  setIconSize(QSize(24, 24));
  setFocusPolicy(Qt::StrongFocus);
  FollowAction();
  connect(action_, &QAction::changed, this, &ActionButton::FollowAction);
  // A click turns a checkable button over by itself; the action, checked
  // from the document after it has run, says how it stays.
  connect(this, &QPushButton::clicked, this, [this] {
    const QPointer<ActionButton> alive(this);
    action_->trigger();
    if (alive) FollowAction();
  });
}

void ActionButton::FollowAction() {
  setIcon(action_->icon());
  setEnabled(action_->isEnabled());
  setCheckable(action_->isCheckable());
  setChecked(action_->isChecked());
}

void ActionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  if (isChecked()) option.state |= QStyle::State_Sunken;
  painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace tochkograf
