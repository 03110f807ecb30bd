#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "files/file_dialog_platform.h"

namespace tochkograf {

// One file type offered by a file dialog, e.g. ("Все файлы", "*.*").
struct FileFilter {
  QString description;
  QString pattern;
};
using FilterTable = QList<FileFilter>;

constexpr int kOpenMode = 1;
constexpr int kSaveMode = 2;  // any mode but 1 saves

// The titles the dialog shows for each mode.
inline const QString kOpenDialogTitle = QStringLiteral("Открыть файл");
inline const QString kSaveDialogTitle = QStringLiteral("Сохранить файл");

// Shows the open (mode 1) or save dialog and returns true when the user
// confirmed a choice. Then `folder` is the folder of the (first) chosen file
// and `names` the absolute path of each chosen file. Otherwise `folder` is
// empty and `names` holds one empty name. Without a `title` the dialog
// shows its mode's.
bool ShowFileDialog(FileDialogPlatform& platform, int mode, QString& folder, QStringList& names,
                    const FilterTable& filters, const QString& default_extension, QObject* owner,
                    const QString& title = {});

// The dialog's filter text: each type with a pattern of two characters or
// more as description, NUL, pattern, NUL; two more NULs at the end.
QString FilterText(const FilterTable& filters);

// Appends the folder separator unless the path is empty or ends in one.
QString AddBackslash(const QString& path);
// Takes the first NUL-separated item off `text` and returns it; without a
// NUL the whole text is the item and `text` becomes empty.
QString TakeNullItem(QString& text);

}  // namespace tochkograf
