#pragma once

#include "commands/document_commands.h"
#include "files/c_array/c_array_format.h"
#include "images/file_formats.h"
#include "picture/animation.h"
#include "picture/picture.h"

namespace tochkograf {

// The "Массив C" and "Скетч Arduino" dialogs as the export sees them. The main window shows the
// real one; tests script it.
class CArrayOptionsWindow {
 public:
  virtual ~CArrayOptionsWindow() = default;
  // The layout, the set bit, the array's name and PROGMEM for the frames
  // written (the one picture, or every frame), starting from `options`,
  // with a view of the code's first lines. On "OK" it writes the options
  // chosen and returns true; otherwise it changes nothing.
  virtual bool AskCArrayOptions(const Animation& frames, CArrayOptions& options) = 0;
  // The "Скетч Arduino" dialog likewise: the display's address and height
  // and the compression of the frames written.
  virtual bool AskSketchOptions(const Animation& frames, SketchOptions& options) = 0;
};

// The export's step for a C array, after its file dialog: the dialog starts
// with the file's name made a C identifier and the layout, set bit and
// PROGMEM last chosen in this run (DocumentCommands' LastCArrayOptions),
// which it then keeps. False when the user cancelled: nothing is written.
bool AskCArrayExport(DocumentCommands& commands, CArrayOptionsWindow& window,
                     const Picture& picture, WriteOptions& options);

// The same for an Arduino sketch: the dialog starts with the address, the
// height and the compression last chosen in this run
// (DocumentCommands' LastSketchOptions), which it then keeps.
bool AskSketchExport(DocumentCommands& commands, CArrayOptionsWindow& window,
                     const Picture& picture, WriteOptions& options);

}  // namespace tochkograf
