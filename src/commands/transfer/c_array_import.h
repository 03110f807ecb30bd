#pragma once

#include <QString>

#include "commands/document_commands.h"
#include "files/c_array/c_array_reading.h"
#include "files/c_array/c_array_scan.h"

namespace tochkograf {

inline const QString kCArrayImportTitle = QStringLiteral("Импорт массива C");

// The C-array import's dialog as the import sees it. The main window shows
// the real one; tests script it.
class CArrayImportWindow {
 public:
  virtual ~CArrayImportWindow() = default;
  // Shows the picture the array's bytes give as `reading` reads them, with
  // the grid or without it as the main window draws, and lets the size,
  // the layout and the set bit be changed. "OK" is refused while the array
  // has too few bytes for the size. On "OK" it writes the reading chosen
  // and returns true; otherwise it changes nothing.
  virtual bool ShowCArrayImportDialog(const CArrayScan& scan, bool grid,
                                      CArrayReading& reading) = 0;
};

// "Импорт массива C...": asks about unsaved changes as the other imports
// do, then for a C source (.h, .c, .ino, .txt), and imports it.
void ImportCArray(DocumentCommands& commands, CArrayImportWindow& window);

// The import itself, once the file has been chosen; whether the picture
// changed. The file's first array of bytes goes through the dialog,
// starting from what the source says and the guesses for the rest
// (GuessedReading); its Cancel changes nothing. The picture then takes the
// array's, untitled with unsaved changes, and undo brings back the one from
// before. A file that cannot be read, or holds no array of bytes, gets one
// message naming the reason and changes nothing.
bool ImportCArrayFile(DocumentContext& document, CArrayImportWindow& window, const QString& name);

}  // namespace tochkograf
