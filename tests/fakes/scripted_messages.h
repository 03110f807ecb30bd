#pragma once

#include <QFileInfo>
#include <QQueue>
#include <QStringList>

#include "commands/user_messages.h"

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

  RecoverAnswer AskRecover(const QString& question) override {
    recover_questions.append(question);
    return recover_answers.isEmpty() ? RecoverAnswer::Later : recover_answers.dequeue();
  }

  QQueue<SaveAnswer> answers;
  QQueue<RecoverAnswer> recover_answers;
  QStringList recover_questions;
  QQueue<bool> replace_answers;
  QStringList questions;  // titles of the unsaved-changes questions asked
  QStringList failures;
  QStringList replace_questions;  // "title|name"

  // The sentences of the failure messages, without the lines that follow.
  QStringList Sentences() const {
    QStringList first_lines;
    for (const QString& message : failures) first_lines << message.section(QLatin1Char('\n'), 0, 0);
    return first_lines;
  }
  // Whether exactly one failure was shown: `sentence`, then one line that
  // names the file `path` (without its folder; of a very long name, its
  // start and end) and gives `reason`.
  bool ToldOnce(const QString& sentence, const QString& path, const QString& reason) const {
    if (failures.size() != 1) return false;
    const QStringList lines = failures[0].split(QLatin1Char('\n'));
    const QString name = QFileInfo(path).fileName();
    return lines.size() == 2 && lines[0] == sentence && lines[1].contains(name.left(20)) &&
           lines[1].contains(name.right(20)) && lines[1].contains(reason) && lines[1].size() < 100;
  }
};

}  // namespace tochkograf
