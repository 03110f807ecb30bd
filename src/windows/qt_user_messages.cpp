#include "windows/qt_user_messages.h"

#include <QCoreApplication>

#include "commands/caption.h"
#include "windows/fitted_message_box.h"

namespace tochkograf {

SaveAnswer QtUserMessages::AskSaveChanges(const QString& title) {
  FittedMessageBox box(QMessageBox::NoIcon, title, QStringLiteral("Сохранить изменения?"),
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner_);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return SaveAnswer::Yes;
    case QMessageBox::No:
      return SaveAnswer::No;
    default:
      return SaveAnswer::Cancel;
  }
}

void QtUserMessages::ShowFailure(const QString& message) {
  FittedMessageBox box(QMessageBox::Critical, kProductName, message, QMessageBox::Ok, owner_);
  box.exec();
}

bool QtUserMessages::AskReplace(const QString& title, const QString& name) {
  // The file dialog's own words, from the same translation.
  const QString text =
      QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
          .arg(name);
  FittedMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No,
                       owner_);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace tochkograf
