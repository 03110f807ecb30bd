#include "files/sms/received_pictures.h"

#include "files/sms/sms_joining.h"
#include "files/sms/sms_pdu.h"

namespace tochkograf {

namespace {

QString MissingNote(const JoinedMessage& message, const QList<int>& missing) {
  QStringList numbers;
  for (const int number : missing) numbers << QString::number(number);
  return QStringLiteral("%1: нет %2 из %3")
      .arg(MessageName(message),
           (missing.size() == 1 ? QStringLiteral("части ") : QStringLiteral("частей ")) +
               numbers.join(QStringLiteral(", ")))
      .arg(message.count);
}

}  // namespace

Reception PicturesInMessages(const QList<ReceivedMessage>& messages, QStringList notes) {
  Reception reception;
  const QList<JoinedMessage> joined = JoinParts(messages, notes);
  reception.notes = std::move(notes);
  for (const JoinedMessage& message : joined) {
    if (const QList<int> missing = MissingParts(message); !missing.isEmpty())
      AddNote(reception.notes, MissingNote(message, missing));
    const ReceivedMessage& first = message.First();
    for (const SmsKindRow& kind : SmsKinds()) {
      QStringList unread;
      for (TakenPicture& taken : kind.decode(message, unread)) {
        if (reception.pictures.size() == kMostReceivedPictures) {
          AddNote(reception.notes, QStringLiteral("взяты первые %1 рисунков, остальные пропущены")
                                       .arg(kMostReceivedPictures));
          return reception;
        }
        reception.pictures << ReceivedPicture{std::move(taken.frames), kind.kind,   first.submitted,
                                              first.address,           first.time,  taken.text,
                                              taken.network,           first.origin};
      }
      for (const QString& note : unread)
        AddNote(reception.notes, MessageName(message) + ": " + note);
    }
  }
  return reception;
}

Reception PicturesInPdus(const QList<ReceivedPdu>& pdus) {
  QStringList notes;
  const QList<ReceivedMessage> messages = ReadSmsPdus(pdus, notes);
  return PicturesInMessages(messages, std::move(notes));
}

}  // namespace tochkograf
