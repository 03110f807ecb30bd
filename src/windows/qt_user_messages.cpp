#include "windows/qt_user_messages.h"

#include <QMessageBox>

#include "files/caption.h"

namespace tochkograf {

SaveAnswer QtUserMessages::AskSaveChanges(const QString& title) {
  QMessageBox box(QMessageBox::NoIcon, title, QStringLiteral("Сохранить изменения?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner_);
  switch (box.exec()) {
    case QMessageBox::Yes: return SaveAnswer::Yes;
    case QMessageBox::No: return SaveAnswer::No;
    default: return SaveAnswer::Cancel;
  }
}

void QtUserMessages::ShowFailure(const QString& message) {
  QMessageBox box(QMessageBox::Critical, kProductName, message,
                  QMessageBox::Ok, owner_);
  box.exec();
}

}  // namespace tochkograf
