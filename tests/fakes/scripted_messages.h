#pragma once

#include <QQueue>
#include <QStringList>

#include "files/user_messages.h"

namespace tochkograf {

// Message boxes answered from a script; every box shown is recorded.
class ScriptedMessages : public UserMessages {
 public:
  SaveAnswer AskSaveChanges(const QString& title) override {
    questions.append(title);
    return answers.isEmpty() ? SaveAnswer::Cancel : answers.dequeue();
  }
  void ShowFailure(const QString& message) override { failures.append(message); }
  bool AskReplace(const QString& title, const QString& name) override {
    replace_questions.append(title + QLatin1Char('|') + name);
    return replace_answers.isEmpty() ? false : replace_answers.dequeue();
  }

  QQueue<SaveAnswer> answers;
  QQueue<bool> replace_answers;
  QStringList questions;  // titles of the unsaved-changes questions asked
  QStringList failures;
  QStringList replace_questions;  // "title|name"
};

}  // namespace tochkograf
