#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "files/sms/network_code.h"
#include "files/sms/received_message.h"
#include "files/sms/sms_kinds.h"
#include "picture/animation.h"

namespace tochkograf {

// A picture found in received messages, and what the window and the
// command line show beside it.
struct ReceivedPicture {
  Animation frames;
  SmsKind kind = SmsKind::Ems;
  bool submitted = false;  // found in a message sent: `address` is its recipient's
  QString address;         // otherwise its sender's
  QDateTime time;          // not valid where the message has none
  QString text;
  std::optional<NetworkCode> network{};
  QString origin;  // where its message's first part came from
};

// What received messages gave.
struct Reception {
  QList<ReceivedPicture> pictures;
  QStringList notes;  // in Russian: messages skipped, parts missing, pictures not read
};

// Every picture the messages hold, in order: their parts joined
// (sms_joining.h), each message read by the decoder of every kind of the
// table (sms_kinds.h). The notes: `notes` first (the source's own), then
// one on each message with parts missing, naming them, and the decoders'
// ones, each after the message's name. At most kMostReceivedPictures.
Reception PicturesInMessages(const QList<ReceivedMessage>& messages, QStringList notes = {});

// The same of PDUs (sms_pdu.h), those that cannot be read left out with a
// note: whatever the source, this takes what it gives.
Reception PicturesInPdus(const QList<ReceivedPdu>& pdus);

constexpr int kMostReceivedPictures = 2000;

}  // namespace tochkograf
