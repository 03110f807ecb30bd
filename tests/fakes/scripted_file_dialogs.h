#pragma once

#include <QDir>
#include <QList>
#include <QQueue>

#include "files/com_dlg_and_funcs.h"
#include "files/file_dialog_platform.h"

namespace tochkograf {

// A file dialog that confirms or cancels from a script, as the system
// dialog would: a confirmed choice fills the record's buffer and offset and
// makes the chosen folder the working directory.
class ScriptedFileDialogs : public FileDialogPlatform {
 public:
  struct Choice {
    QString folder;      // empty: the dialog is cancelled
    QStringList names;
  };

  int GetOpenFileName(FileDialogRecord& record) override { return Answer(record, false); }
  int GetSaveFileName(FileDialogRecord& record) override { return Answer(record, true); }

  void Choose(const QString& folder, const QStringList& names) { script.enqueue({folder, names}); }
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
    QString text = choice.folder;
    int offset = choice.folder.size() + 1;
    if (choice.names.size() == 1) {
      text += QLatin1Char('/') + choice.names[0];
    } else {
      for (const QString& name : choice.names) text += QChar(u'\0') + name;
    }
    if (text.size() > record.max_file) return 0;
    record.file = text + NullChars(record.max_file + 1 - text.size());
    record.file_offset = offset;
    QDir::setCurrent(choice.folder);
    return 1;
  }
};

}  // namespace tochkograf
