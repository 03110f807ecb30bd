#pragma once

#include <QDateTime>
#include <QString>

#include "commands/document_commands.h"
#include "files/formats/recovery_file.h"

namespace tochkograf {

inline const QString kRecoveryTitle = QStringLiteral("Восстановление рисунка");
inline const QString kRecoveryDamaged =
    QStringLiteral("Копия несохранённого рисунка повреждена и пропущена.");

// The copy of the document a recovery file keeps: every frame, the one
// being drawn on, and the picture's file.
RecoveryCopy CopyOf(const DocumentState& state);

// Brings `copy` in as the document: every frame, the one that was being
// drawn on current again, under its file's name and marked unsaved, so
// that a save writes the file it came from; undo starts from it. A document
// with changes of its own is asked about first; false where the answer
// kept it.
bool RestoreCopy(DocumentCommands& commands, const RecoveryCopy& copy);

// "Найден несохранённый рисунок «cat» от 8 декабря, 10:41. Восстановить?"
// for the copy of `file_name` written at `written`; the year is given when
// it is not `now`'s.
QString RecoveryQuestion(const QString& file_name, const QDateTime& written, const QDateTime& now);

}  // namespace tochkograf
