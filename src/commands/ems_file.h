#pragma once

#include <QString>

#include "commands/document_context.h"

namespace tochkograf {

inline const QString kWriteFailure = QStringLiteral("Ошибка при записи файла.");
inline const QString kReadFailure =
    QStringLiteral("Ошибка чтении файла. Убедитесь что это правильный EMS-рисунок.");

// Writes the picture to the file `path`, as SaveWhole does: a failed save
// leaves an existing file as it was. On success the file becomes the
// document's (FileName), IZM is cleared and the caption updated; on failure
// the write message is shown once, with a line naming the file and why,
// and the document is unchanged.
bool WriteEmsFile(DocumentContext& document, const QString& path);

// Reads a picture. The file is read and checked whole before the document is
// touched: on success it holds the new size and cells, IZM is cleared, the
// undo snapshot is the picture just read and the view is redrawn; on
// failure the read message is shown once, with a line naming the file and
// why, and nothing has changed.
bool ReadEmsFile(DocumentContext& document, const QString& name);

// Sets the caption from FileName.
void UpdateCaption(DocumentContext& document);

}  // namespace tochkograf
