#pragma once

#include <QString>

#include "commands/document_commands.h"
#include "commands/transfer/desktop_clipboard.h"
#include "commands/transfer/image_import.h"

namespace tochkograf {

inline const QString kPasteImageTitle = QStringLiteral("Вставить изображение");
inline const QString kNoImageOnClipboard = QStringLiteral("В буфере обмена нет изображения.");

// "Копировать как изображение": the picture as an image of its size, black
// ink on white paper, one image pixel a picture pixel.
void CopyAsImage(const DocumentState& state, DesktopClipboard& clipboard);

// "Копировать как код C": the text the export writes as a C array, with
// the layout, set bit and PROGMEM last chosen in this run and the name
// made of the picture's file name ("picture" while it has none).
void CopyAsCCode(DocumentCommands& commands, DesktopClipboard& clipboard);

// "Вставить изображение": the clipboard's image comes in as "Импорт
// изображения..." takes a file, as it is where it has two colours and
// fits, otherwise through the conversion dialog, after the unsaved-changes
// question. With no image there it says so and asks nothing.
void PasteImage(DocumentCommands& commands, ConversionWindow& window, DesktopClipboard& clipboard);

}  // namespace tochkograf
