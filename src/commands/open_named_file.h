#pragma once

#include <QString>

#include "commands/document_commands.h"
#include "commands/image_import.h"

namespace tochkograf {

// A file named outside the program (its command line, a file manager's
// "Open with"), by TypeOfNamedFile: a file the image import reads comes in
// through it, as "Импорт изображения..." takes it; the program's own
// picture, a file taken as it is (a one-bit BMP) and a file of no known
// type open as DocumentCommands' OpenGiven has them.
void OpenNamedFile(DocumentCommands& commands, ConversionWindow& window, const QString& path);

}  // namespace tochkograf
