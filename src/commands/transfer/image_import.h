#pragma once

#include <QString>

#include "commands/document_commands.h"
#include "images/image_conversion.h"
#include "images/image_frames.h"
#include "images/image_reading.h"

namespace tochkograf {

inline const QString kImageImportTitle = QStringLiteral("Импорт изображения");

// The conversion dialog as the import sees it. The main window shows the
// real one; tests script it.
class ConversionWindow {
 public:
  virtual ~ConversionWindow() = default;
  // Shows how `image` converts, starting from `settings`, the preview drawn
  // with the grid or without it as the main window draws. On "OK" it
  // writes the settings chosen and returns true; otherwise it changes
  // nothing.
  virtual bool ShowConversionDialog(const ImportedImage& image, bool grid,
                                    ConversionSettings& settings) = 0;
};

// "Импорт изображения...": asks about unsaved changes as the BMP import
// does, then for a file, and imports it.
void ImportImage(DocumentCommands& commands, ConversionWindow& window);

// The import itself, once the file has been chosen (read as
// ReadImportedFile has it); whether the picture changed. An image of at
// most two colours that fits the editor (an OTB picture that fits, too)
// comes in as it is; any other goes through the conversion dialog, whose
// Cancel changes nothing. An animated GIF comes in with every frame and
// its durations, all of them as they are or all converted by the dialog's
// one choice, which it shows on the first frame.
// The document becomes the new frames, its size theirs, untitled with
// unsaved changes; undo brings back every frame from before the import,
// and the caption stays as it is. A file that cannot be read gets one
// message naming the reason and changes nothing.
bool ImportImageFile(DocumentContext& document, ConversionWindow& window, const QString& name);

// The same once the image has been read: as it is where it has two colours
// and fits, else through the conversion dialog.
bool TakeImportedImage(DocumentContext& document, ConversionWindow& window,
                       const ImportedImage& image);
bool TakeImportedFrames(DocumentContext& document, ConversionWindow& window,
                        const ImportedFrames& frames);

// The message of a failed import.
QString ImageImportFailure(const QString& name, const QString& reason);

}  // namespace tochkograf
