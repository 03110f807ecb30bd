#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace tochkograf {

// One file type offered by a file dialog, e.g. ("Все файлы", {"*"}).
struct FileFilter {
  QString description;
  QStringList patterns;

  bool operator==(const FileFilter&) const = default;
};
using FilterTable = QList<FileFilter>;

enum class FileDialogMode { Open, Save };

// What a file dialog is to show.
struct FileDialogRequest {
  FileDialogMode mode = FileDialogMode::Open;
  QObject* owner = nullptr;  // the window the dialog is modal to
  QString title;
  FilterTable filters;  // offered in this order
  int filter = 0;       // the one selected at first
  QString folder;       // where the dialog starts
  QString name;         // the name offered at first; empty: none
  // Whether the save dialog asks before a chosen file is replaced; a
  // command that adds an extension to the name asks itself.
  bool ask_before_replacing = true;
};

// What the user chose in a confirmed dialog.
struct FileDialogChoice {
  QStringList paths;  // absolute, each exactly as the user named it
  int filter = 0;     // the type chosen
};

// The system's open and save dialogs. The open dialog lets several files
// be chosen at once; the save dialog one name, which need not exist. The
// dialogs never change the working directory: where a file lives is part of
// its path.
class FileDialogPlatform {
 public:
  virtual ~FileDialogPlatform() = default;
  // Shows the dialog modal to the request's owner; true when the user
  // confirmed a choice, which is then in `choice`.
  virtual bool Show(const FileDialogRequest& request, FileDialogChoice& choice) = 0;
};

}  // namespace tochkograf
