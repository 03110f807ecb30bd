#include "windows/dialogs/preview_layout.h"

#include <QBoxLayout>
#include <QDialog>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "windows/dialogs/dialog_parts.h"
#include "windows/dialogs/picture_preview.h"
#include "windows/screen_room.h"

namespace tochkograf {

namespace {

constexpr int kLargestScale = 4;

bool Fits(const QSize& size, const QSize& room) {
  return size.width() <= room.width() && size.height() <= room.height();
}

}  // namespace

void LayOutPreviewDialog(QDialog* dialog, const PreviewDialogParts& parts) {
  auto* left = new QVBoxLayout;
  left->addWidget(parts.preview, 0, Qt::AlignHCenter | Qt::AlignTop);
  for (QWidget* note : parts.notes) {
    if (auto* label = qobject_cast<QLabel*>(note)) label->setWordWrap(true);
    // As wide as the preview, never wider, and as tall as that makes it.
    QSizePolicy policy = note->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    note->setSizePolicy(policy);
    left->addWidget(note);
  }
  left->addStretch();

  auto* choices = new QWidget;
  auto* rows = new QVBoxLayout(choices);
  rows->setContentsMargins(0, 0, 0, 0);
  for (QWidget* choice : parts.choices) rows->addWidget(choice);
  rows->addStretch();
  auto* scroll = Named(new QScrollArea(dialog), "choicesArea");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidgetResizable(true);
  scroll->setWidget(choices);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QWidget* button : parts.buttons) buttons->addWidget(button);
  auto* right = new QVBoxLayout;
  right->addWidget(scroll);
  right->addLayout(buttons);
  auto* whole = new QBoxLayout(QBoxLayout::LeftToRight, dialog);
  whole->addLayout(left);
  whole->addLayout(right);
  whole->setSizeConstraint(QLayout::SetFixedSize);

  const QSize room = ScreenRoom(dialog);
  const QSize content = choices->sizeHint();
  // The dialog's size with the preview at `scale`, beside the choices or
  // above them, and the choices shown in `shown`.
  const auto laid_out = [&](QBoxLayout::Direction direction, int scale, const QSize& shown) {
    whole->setDirection(direction);
    parts.preview->SetScale(scale);
    scroll->setFixedSize(shown);
    // Before the dialog is shown its layouts learn of no change by themselves.
    for (QLayout* layout : std::initializer_list<QLayout*>{left, right, whole})
      layout->invalidate();
    return whole->totalSizeHint();
  };
  const QBoxLayout::Direction directions[] = {QBoxLayout::LeftToRight, QBoxLayout::TopToBottom};
  for (int scale = kLargestScale; scale >= 1; --scale)
    for (const QBoxLayout::Direction direction : directions)
      if (Fits(laid_out(direction, scale, content), room)) return;
  // Too tall whichever way: the choices scroll, at least half of them in
  // sight, as tall as the room lets them be.
  const int width = content.width() + scroll->verticalScrollBar()->sizeHint().width();
  for (int scale = kLargestScale; scale >= 1; --scale)
    for (const QBoxLayout::Direction direction : directions) {
      const QSize least = laid_out(direction, scale, QSize(width, 1));
      const int height = room.height() - least.height() + 1;
      if (least.width() <= room.width() && height > 0 &&
          (height >= content.height() / 2 || scale == 1)) {
        laid_out(direction, scale, QSize(width, std::max(1, height)));
        return;
      }
    }
  // No screen is that small; still, the buttons stay in the dialog.
  laid_out(QBoxLayout::TopToBottom, 1, QSize(width, content.height() / 2));
}

}  // namespace tochkograf
