#include "windows/adapters/qt_user_messages.h"

#include <QCoreApplication>
#include <QPushButton>

#include "commands/caption.h"
#include "commands/recovery.h"
#include "windows/dialogs/fitted_message_box.h"

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

// Esc is "Позже", which loses nothing.
RecoverAnswer QtUserMessages::AskRecover(const QString& question) {
  FittedMessageBox box(QMessageBox::Question, kRecoveryTitle, question, QMessageBox::NoButton,
                       owner_);
  QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
  QPushButton* later = box.addButton(QStringLiteral("Позже"), QMessageBox::RejectRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(later);
  box.exec();
  if (box.clickedButton() == yes) return RecoverAnswer::Yes;
  if (box.clickedButton() == no) return RecoverAnswer::No;
  return RecoverAnswer::Later;
}

}  // namespace tochkograf
