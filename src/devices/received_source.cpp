#include "devices/received_source.h"

#include <QFileInfo>
#include <vector>

#include "devices/modem_runs.h"
#include "files/sms/message_file.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

// A port is what is there and is neither a plain file nor a folder: the
// system's devices (/dev/ttyUSB0, a pseudo-terminal) and links to them,
// also named without their folder ("ttyUSB0").
bool IsPort(const QString& source) {
  for (const QFileInfo& info : {QFileInfo(source), QFileInfo(PortLocation(source))})
    if (info.isFile() || info.isDir())
      return false;
    else if (info.exists())
      return true;
  return false;
}

// "память SM, № 3": where a stored message is, as a note names it.
QString StoredOrigin(const StoredMessage& message) {
  return message.memory.isEmpty()
             ? QStringLiteral("сообщение № %1").arg(message.index)
             : QStringLiteral("память %1, № %2").arg(message.memory).arg(message.index);
}

}  // namespace

QString ReceiveFromSource(const ModemPort& source, Reception& reception) {
  if (IsPort(source.name)) return ReceiveFromModem(source, reception);
  QList<ReceivedMessage> messages;
  QStringList notes;
  if (const FileStatus status = ReadMessageFile(source.name, messages, notes);
      status != FileStatus::Ok)
    return ReadFailureReason(status);
  reception = PicturesInMessages(messages, std::move(notes));
  return {};
}

QString ReceiveFromModem(const ModemPort& port, Reception& reception) {
  std::vector<StoredMessage> stored;
  const ModemOutcome outcome = ListStoredMessages(port, stored);
  if (!outcome.ok && stored.empty()) return outcome.reason;
  QList<ReceivedPdu> pdus;
  for (const StoredMessage& message : stored)
    pdus.append({.octets = message.pdu, .origin = StoredOrigin(message), .centre = true});
  reception = PicturesInPdus(pdus);
  if (!outcome.ok) AddNote(reception.notes, outcome.reason);
  return {};
}

}  // namespace tochkograf
