#pragma once

#include <QObject>
#include <QString>

#include "files/com_dlg_and_funcs.h"
#include "files/document_context.h"
#include "files/file_dialog_platform.h"

namespace tochkograf {

inline const QString kNewTitle = QStringLiteral("Создание нового рисунка");
inline const QString kOpenTitle = QStringLiteral("Открытие нового файла");
inline const QString kExitTitle = QStringLiteral("Выход");

// New, Open, Save and Save as, and the question that guards the commands
// which would drop unsaved changes.
class DocumentCommands {
 public:
  // `program_folder` is where every file dialog starts; `owner` is the
  // window the dialogs are modal to.
  DocumentCommands(DocumentContext document, FileDialogPlatform& dialogs,
                   QString program_folder, QObject* owner);

  // Asks "Сохранить изменения?" under `title` when IZM is set. True when the
  // command may go on: the answer was No, or Yes and the picture was saved.
  // A Yes whose save was cancelled or failed stops the command like Cancel,
  // so that unsaved work is never dropped.
  bool MayDropChanges(const QString& title);

  void filenew();
  void fileopen();
  // Both return whether the picture was written.
  bool filesave();
  bool filesaveas();
  // Whether the main window may close (the question titled "Выход").
  bool MayClose() { return MayDropChanges(kExitTitle); }

  // Shows the open dialog, from the program's folder, offering `filters`.
  // The first name chosen (later ones are ignored); empty when cancelled.
  // It opens by itself: the dialog makes its folder the working directory.
  QString ChooseFileToOpen(const FilterTable& filters);

  DocumentContext& Document() { return document_; }

 private:
  // Every file dialog's initial folder, ending in a separator.
  QString InitialFolder() const { return AddBackslash(program_folder_); }

  DocumentContext document_;
  FileDialogPlatform& dialogs_;
  QString program_folder_;
  QObject* owner_;
};

// The types the open and save dialogs offer for pictures.
FilterTable EmsFilters();

}  // namespace tochkograf
