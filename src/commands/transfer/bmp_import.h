#pragma once

#include <QString>

#include "commands/document_commands.h"

namespace tochkograf {

inline const QString kImportTitle = QStringLiteral("Импорт из BMP-файла");
inline const QString kImportFailure =
    QStringLiteral("Ошибка при открытии файла. Убедитесь что это двухцветный bmp-файл.");

// Replaces the picture with a two-colour BMP file's, at the file's size, as
// an untitled picture with no unsaved changes; the file is read by the
// table's type that takes files as they are, whatever its name. Undo brings
// back the picture from before the import; the caption stays as it is. A
// file that cannot be imported changes nothing and gets the import message
// once.
void frombmp(DocumentCommands& commands);

// The import itself, once the file has been chosen; whether it succeeded.
bool ImportBmpFile(DocumentContext& document, const QString& name);

}  // namespace tochkograf
