#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include "files/sms/received_message.h"

namespace tochkograf {

// gammu's SMS backup: the text `gammu backupsms` writes, and gammu-smsd's
// inbox files in its "detail" format, one message a file. Each section
// [SMSBackupNNN] is a message of "key = value" lines: Number (or
// NumberUnicode, its UTF-16 in hex), DateTime ("20240305T143015", with "Z"
// after it in UTC), PDU (Deliver, Submit or Status_Report), UDH (the user
// data header in hex, its length octet first), Coding and the text in
// hex, over lines Text00, Text01...: UTF-16 for Default_No_Compression and
// Unicode_No_Compression, the octets themselves for 8bit.

// Whether `text` holds a section of it.
bool IsGammuSmsBackup(const QByteArray& text);

// Its messages, in order, their origin "сообщение 1" and on. A status
// report, and a section whose values cannot be read, are left out with a
// note in Russian. At most kMostReceivedMessages.
QList<ReceivedMessage> MessagesOfGammuBackup(const QByteArray& text, QStringList& notes);

}  // namespace tochkograf
