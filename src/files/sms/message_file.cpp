#include "files/sms/message_file.h"

#include "files/sms/gammu_backup.h"
#include "files/sms/pdu_lines.h"
#include "files/sms/sms_pdu.h"

namespace tochkograf {

QList<ReceivedMessage> MessagesOfFile(const QByteArray& bytes, QStringList& notes) {
  if (IsGammuSmsBackup(bytes)) return MessagesOfGammuBackup(bytes, notes);
  return ReadSmsPdus(PdusOfLines(bytes, notes), notes);
}

FileStatus ReadMessageFile(const QString& path, QList<ReceivedMessage>& messages,
                           QStringList& notes) {
  QByteArray bytes;
  // One byte more tells a file that is longer.
  if (const FileStatus status = ReadFileHead(path, kMessageFileReadLimit + 1, bytes);
      status != FileStatus::Ok)
    return status;
  QStringList read;
  if (bytes.size() > kMessageFileReadLimit) {
    bytes.truncate(bytes.lastIndexOf('\n', kMessageFileReadLimit - 1) + 1);
    read << QStringLiteral("файл больше %1 МБ: прочитано только начало")
                .arg(kMessageFileReadLimit / (1024 * 1024));
  }
  messages = MessagesOfFile(bytes, read);
  notes << read;
  return FileStatus::Ok;
}

}  // namespace tochkograf
