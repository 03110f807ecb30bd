#pragma once

#include <QStringList>

#include "files/file_dialog_platform.h"

namespace tochkograf {

// The open and save dialogs on this platform: Qt's own file dialog, set up
// from the dialog record, answering with the chosen paths.
class QtFileDialogs : public FileDialogPlatform {
 public:
  int GetOpenFileName(FileDialogRecord& record) override;
  int GetSaveFileName(FileDialogRecord& record) override;
};

// The dialog's list of types from the record's filter text: each pair
// becomes "description (pattern)". "*.*" means every file, as it does where
// the filter text comes from.
QStringList NameFilters(const QString& filter_text);

}  // namespace tochkograf
