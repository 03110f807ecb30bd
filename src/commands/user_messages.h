#pragma once

#include <QString>

namespace tochkograf {

// The answers to the unsaved-changes question.
enum class SaveAnswer { Yes, No, Cancel };
// The answers to the question about a picture left unsaved by a copy of the
// program that ended: bring it in, drop it, or ask again at the next start.
enum class RecoverAnswer { Yes, No, Later };

// The message boxes through which the program talks to the user. The main
// window shows real ones; tests script the answers.
class UserMessages {
 public:
  virtual ~UserMessages() = default;
  // "Сохранить изменения?" with Yes, No and Cancel, no icon, titled after the
  // command that asks.
  virtual SaveAnswer AskSaveChanges(const QString& title) = 0;
  // One sentence with the error icon and one OK button, under the
  // application's own title.
  virtual void ShowFailure(const QString& message) = 0;
  // Whether the existing file `name` may be replaced, asked as the save
  // dialog asks it, under `title`; true for Yes.
  virtual bool AskReplace(const QString& title, const QString& name) = 0;
  // `question` with "Да" (the default), "Нет" and "Позже", titled as the
  // recovery is.
  virtual RecoverAnswer AskRecover(const QString& question) = 0;
};

}  // namespace tochkograf
