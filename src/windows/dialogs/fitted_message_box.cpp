#include "windows/dialogs/fitted_message_box.h"

#include <QGridLayout>
#include <QSpacerItem>

#include "windows/centre_over.h"
#include "windows/screen_room.h"
#include "windows/text_room.h"

namespace tochkograf {

FittedMessageBox::FittedMessageBox(Icon icon, const QString& title, const QString& text,
                                   StandardButtons buttons, QWidget* owner)
    : QMessageBox(icon, title, BreakableText(text), buttons, owner) {}

// Qt sizes the box as it is shown, to what its layout needs at least: a
// strut as wide as the title needs is laid in first.
void FittedMessageBox::showEvent(QShowEvent* event) {
  auto* grid = qobject_cast<QGridLayout*>(layout());
  if (grid && !widened_) {
    const QMargins margins = grid->contentsMargins();
    const int strut = TitleBarWidth(this) - margins.left() - margins.right();
    grid->addItem(new QSpacerItem(strut, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
    widened_ = true;
  }
  QMessageBox::showEvent(event);
  if (parentWidget()) CentreOver(this, parentWidget()->window());
}

}  // namespace tochkograf
