#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "files/disk/file_access.h"
#include "files/sms/received_message.h"

namespace tochkograf {

// The messages a file's bytes hold, whatever the file is: gammu's SMS
// backup (gammu_backup.h), or PDUs written as text (pdu_lines.h), read
// (sms_pdu.h); with notes in Russian on what was left out.
QList<ReceivedMessage> MessagesOfFile(const QByteArray& bytes, QStringList& notes);

// The same of the file at `path`, or of every plain file in the folder
// at `path` (gammu-smsd's inbox, a message or a part a file), in the order
// of their names, each message's origin and each note after the file's
// name. Of more than kMessageFileReadLimit bytes, the start, with a note.
// Ok, or why the file or folder cannot be read, `messages` and `notes`
// then as they were.
FileStatus ReadMessageFile(const QString& path, QList<ReceivedMessage>& messages,
                           QStringList& notes);

// Larger than gammu's backup of every message a phone could hold.
constexpr qint64 kMessageFileReadLimit = 16 * 1024 * 1024;

}  // namespace tochkograf
