#pragma once

#include <QString>

#include "commands/document_commands.h"
#include "files/c_array_format.h"
#include "picture/picture.h"

namespace tochkograf {

inline const QString kExportTitle = QStringLiteral("Экспорт");

// The dialogs "Экспорт..." shows after its file dialog for the types that
// ask more (the table's ExportQuestion). The main window shows the real
// ones; tests script them.
class ExportOptionsWindow {
 public:
  virtual ~ExportOptionsWindow() = default;
  // "Массив C": the layout, the set bit, the array's name and PROGMEM for
  // `picture`, starting from `options`, with a view of the code's first
  // lines. On "OK" it writes the options chosen and returns true;
  // otherwise it changes nothing.
  virtual bool AskCArrayOptions(const Picture& picture, CArrayOptions& options) = 0;
};

// Writes the picture to a file of one of the types "Экспорт..." offers,
// chosen in a save dialog that starts in the picture's folder with its name.
// A name without an extension gets the chosen type's; an extension of one of
// the types chooses that type. An existing file is replaced only when the
// user agrees, and only once the whole new file is written. A type that
// asks more asks it then, and its Cancel writes nothing; a C array's
// dialog starts with the file's name made a C identifier and the layout,
// set bit and PROGMEM last chosen in this run (DocumentCommands'
// LastCArrayOptions), which it keeps. The document is
// never changed: its file, caption and unsaved changes stay as they were. A
// picture that cannot be exported gets one message naming the file and why.
void fileexport(DocumentCommands& commands, ExportOptionsWindow& window);

}  // namespace tochkograf
