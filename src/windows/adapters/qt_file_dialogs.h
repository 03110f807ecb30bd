#pragma once

#include <QStringList>

#include "commands/file_dialog_platform.h"

namespace tochkograf {

// The open and save dialogs on this platform: Qt's own file dialog, set up
// from the request, answering with the chosen paths.
class QtFileDialogs : public FileDialogPlatform {
 public:
  bool Show(const FileDialogRequest& request, FileDialogChoice& choice) override;
};

// The dialog's list of types: each filter as "description (patterns)".
QStringList NameFilters(const FilterTable& filters);

}  // namespace tochkograf
