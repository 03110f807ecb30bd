#pragma once

#include "commands/user_messages.h"

class QWidget;

namespace tochkograf {

// Real message boxes, modal over `owner`.
class QtUserMessages : public UserMessages {
 public:
  explicit QtUserMessages(QWidget* owner) : owner_(owner) {}
  SaveAnswer AskSaveChanges(const QString& title) override;
  void ShowFailure(const QString& message) override;
  bool AskReplace(const QString& title, const QString& name) override;
  RecoverAnswer AskRecover(const QString& question) override;

 private:
  QWidget* owner_;
};

}  // namespace tochkograf
