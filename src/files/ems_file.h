#pragma once

#include <QString>

#include "files/document_context.h"

namespace tochkograf {

inline const QString kWriteFailure = QStringLiteral("Ошибка при записи файла.");
inline const QString kReadFailure =
    QStringLiteral("Ошибка чтении файла. Убедитесь что это правильный EMS-рисунок.");

// Writes the picture to the file FileName names (never "*"). The old file is
// replaced only once every byte of the new one is on disk, so a failed save
// leaves it as it was, and keeps its permission bits. On success IZM
// is cleared and the caption updated; on failure the write message is shown
// once and the document is unchanged.
bool WriteEmsFile(DocumentContext& document);

// Reads a picture. The file is read and checked whole before the document is
// touched: on success it holds the new size and cells, IZM is cleared, the
// undo snapshot is the picture just read and the view is redrawn; on
// failure the read message is shown once and nothing has changed.
bool ReadEmsFile(DocumentContext& document, const QString& name);

// Sets the caption from FileName.
void UpdateCaption(DocumentContext& document);

}  // namespace tochkograf
