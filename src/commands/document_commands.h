#pragma once

#include <QObject>
#include <QString>

#include "commands/document_context.h"
#include "commands/file_dialog_platform.h"
#include "files/c_array/arduino_sketch.h"
#include "files/c_array/c_array_format.h"

namespace tochkograf {

inline const QString kNewTitle = QStringLiteral("Создание нового рисунка");
inline const QString kOpenTitle = QStringLiteral("Открытие нового файла");
inline const QString kExitTitle = QStringLiteral("Выход");
// Save as refuses a name that, with ".ems" added, is a folder's.
inline const QString kFolderExists =
    QStringLiteral("Рисунок не сохранён: папка с именем «%1» уже существует.");

// New, Open, Save and Save as, and the question that guards the commands
// which would drop unsaved changes.
class DocumentCommands {
 public:
  // `start_folder` is where file dialogs start while neither the document
  // nor this run has a folder of its own: the working directory the program
  // was started in. `owner` is the window the dialogs are modal to.
  DocumentCommands(DocumentContext document, FileDialogPlatform& dialogs, QString start_folder,
                   QObject* owner);

  // Asks "Сохранить изменения?" under `title` when IZM is set. True when the
  // command may go on: the answer was No, or Yes and the picture was saved.
  // A Yes whose save was cancelled or failed stops the command like Cancel,
  // so that unsaved work is never dropped.
  bool MayDropChanges(const QString& title);

  void filenew();
  void fileopen();
  // Opens a file named outside the program (its command line) as Open
  // would, without a question: nothing is drawn yet. A file of a type taken
  // as it is (a BMP) is imported as "Импорт из BMP" would, leaving the
  // picture untitled.
  void OpenGiven(const QString& path);
  // Both return whether the picture was written.
  bool filesave();
  bool filesaveas();
  // Whether the main window may close (the question titled "Выход").
  bool MayClose() { return MayDropChanges(kExitTitle); }

  // Shows the open dialog offering `filters`, under `title` when one is
  // given. The absolute path of the first file chosen (later ones are
  // ignored); empty when cancelled.
  QString ChooseFileToOpen(const FilterTable& filters, const QString& title = {});
  // Shows the save dialog under `title`, offering `filters` and the name
  // `name`, with the type `type` shown first. The absolute path chosen, and
  // in `type` the type chosen; empty when cancelled. It asks nothing about
  // replacing a file: the caller knows the name it will write.
  QString ChooseFileToWrite(const QString& title, const FilterTable& filters, const QString& name,
                            int& type);
  // A command that used the file at `path` succeeded: the next dialog may
  // start in its folder.
  void Used(const QString& path);

  DocumentContext& Document() { return document_; }

  // The C array's layout, set bit and PROGMEM as last chosen in this run
  // (no name): the export's "Массив C" dialog starts from them, and
  // "Копировать как код C" writes with them.
  CArrayOptions& LastCArrayOptions() { return last_c_array_; }
  // And the Arduino sketch's display and compression, for the next sketch.
  SketchOptions& LastSketchOptions() { return last_sketch_; }

 private:
  // Where the next file dialog starts: the folder of the document's file,
  // else the last folder a command used in this run, else the start folder.
  QString InitialFolder() const;
  // Reads the picture at `path`; on success it becomes the document's file.
  void OpenEms(const QString& path);
  // Save as's name: the program's own extension (".ems") is added to a name
  // without a full stop, after checking that this does not land on a folder
  // or, unasked, on a file. Empty when the picture must not be written
  // there.
  QString SaveAsName(QString path);

  DocumentContext document_;
  FileDialogPlatform& dialogs_;
  QString start_folder_;
  QString last_folder_;
  QObject* owner_;
  CArrayOptions last_c_array_;
  SketchOptions last_sketch_;
};

}  // namespace tochkograf
