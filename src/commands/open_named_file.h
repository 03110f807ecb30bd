#pragma once

#include <QString>

#include "commands/document_commands.h"
#include "commands/transfer/c_array_import.h"
#include "commands/transfer/image_import.h"

namespace tochkograf {

// A file named outside the program (its command line, a file manager's
// "Open with"), by TypeOfNamedFile: a file the image import reads comes in
// through it, as "Импорт изображения..." takes it, and a C source through
// the C-array import's dialog; the program's own picture, a file taken as
// it is (a one-bit BMP) and a file of no known type open as
// DocumentCommands' OpenGiven has them.
void OpenNamedFile(DocumentCommands& commands, ConversionWindow& conversion,
                   CArrayImportWindow& c_array, const QString& path);

// A file dropped on the main window: the unsaved-changes question first,
// titled after the command that takes its type, then as OpenNamedFile.
void DropFile(DocumentCommands& commands, ConversionWindow& conversion, CArrayImportWindow& c_array,
              const QString& path);

}  // namespace tochkograf
