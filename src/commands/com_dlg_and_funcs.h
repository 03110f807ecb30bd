#pragma once

#include <QString>

#include "commands/file_dialog_platform.h"

namespace tochkograf {

// The titles the dialog shows for each mode, where the command gives none.
inline const QString kOpenDialogTitle = QStringLiteral("Открыть файл");
inline const QString kSaveDialogTitle = QStringLiteral("Сохранить файл");

// The one way commands let the user choose a file: shows the dialog the
// request describes, under its mode's title where it gives none. True when
// the user confirmed a choice of at least one file; then `choice` holds the
// absolute path of each file chosen and the type chosen. Otherwise `choice`
// holds no path.
bool ShowFileDialog(FileDialogPlatform& platform, FileDialogRequest request,
                    FileDialogChoice& choice);

}  // namespace tochkograf
