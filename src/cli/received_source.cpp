#include "cli/received_source.h"

#include "files/sms/message_file.h"
#include "files/status_texts.h"

namespace tochkograf {

QString ReceiveFromSource(const QString& source, Reception& reception) {
  QList<ReceivedMessage> messages;
  QStringList notes;
  if (const FileStatus status = ReadMessageFile(source, messages, notes); status != FileStatus::Ok)
    return ReadFailureReason(status);
  reception = PicturesInMessages(messages, std::move(notes));
  return {};
}

}  // namespace tochkograf
