#include "windows/qt_user_messages.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "commands/caption.h"

namespace tochkograf {

SaveAnswer QtUserMessages::AskSaveChanges(const QString& title) {
  QMessageBox box(QMessageBox::NoIcon, title, QStringLiteral("Сохранить изменения?"),
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
  QMessageBox box(QMessageBox::Critical, kProductName, message, QMessageBox::Ok, owner_);
  box.exec();
}

bool QtUserMessages::AskReplace(const QString& title, const QString& name) {
  // The file dialog's own words, from the same translation.
  const QString text =
      QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
          .arg(name);
  return QMessageBox::warning(owner_, title, text, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace tochkograf
