#pragma once

#include <QDir>
#include <QList>
#include <QQueue>

#include "files/com_dlg_and_funcs.h"
#include "files/file_dialog_platform.h"

namespace tochkograf {

// A file dialog that confirms or cancels from a script, answering with the
// paths of the names chosen in a folder.
class ScriptedFileDialogs : public FileDialogPlatform {
 public:
  struct Choice {
    QString folder;      // empty: the dialog is cancelled
    QStringList names;
    int type = -1;  // the file type chosen; -1: the one shown first
  };

  int GetOpenFileName(FileDialogRecord& record) override { return Answer(record, false); }
  int GetSaveFileName(FileDialogRecord& record) override { return Answer(record, true); }

  void Choose(const QString& folder, const QStringList& names, int type = -1) {
    script.enqueue({folder, names, type});
  }
  void Cancel() { script.enqueue({}); }

  QQueue<Choice> script;
  QList<FileDialogRecord> shown;  // the records, as the dialog received them
  QList<bool> saves;              // whether each was the save dialog

 private:
  int Answer(FileDialogRecord& record, bool save) {
    shown.append(record);
    saves.append(save);
    const Choice choice = script.isEmpty() ? Choice{} : script.dequeue();
    if (choice.folder.isEmpty()) return 0;
    if (choice.type >= 0) record.filter_index = choice.type;
    for (const QString& name : choice.names)
      record.chosen.append(QDir(choice.folder).absoluteFilePath(name));
    return 1;
  }
};

}  // namespace tochkograf
