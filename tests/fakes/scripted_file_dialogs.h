#pragma once

#include <QDir>
#include <QList>
#include <QQueue>

#include "commands/file_dialog_platform.h"

namespace tochkograf {

// A file dialog that confirms or cancels from a script, answering with the
// paths of the names chosen in a folder.
class ScriptedFileDialogs : public FileDialogPlatform {
 public:
  struct Choice {
    QString folder;  // empty: the dialog is cancelled
    QStringList names;
    int type = -1;  // the file type chosen; -1: the one shown first
  };

  bool Show(const FileDialogRequest& request, FileDialogChoice& choice) override {
    shown.append(request);
    saves.append(request.mode == FileDialogMode::Save);
    const Choice answer = script.isEmpty() ? Choice{} : script.dequeue();
    if (answer.folder.isEmpty()) return false;
    choice.filter = answer.type >= 0 ? answer.type : request.filter;
    for (const QString& name : answer.names)
      choice.paths.append(QDir(answer.folder).absoluteFilePath(name));
    return true;
  }

  void Choose(const QString& folder, const QStringList& names, int type = -1) {
    script.enqueue({folder, names, type});
  }
  void Cancel() { script.enqueue({}); }

  QQueue<Choice> script;
  QList<FileDialogRequest> shown;  // the requests, as the dialog received them
  QList<bool> saves;               // whether each was the save dialog
};

// Every pattern a dialog offered, in its order.
inline QStringList Patterns(const FileDialogRequest& request) {
  QStringList patterns;
  for (const FileFilter& filter : request.filters) patterns << filter.patterns;
  return patterns;
}

}  // namespace tochkograf
