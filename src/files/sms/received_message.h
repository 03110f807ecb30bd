#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

#include "files/sms/information_element.h"
#include "files/sms/network_code.h"
#include "picture/animation.h"

namespace tochkograf {

// What the receiving side passes along: PDUs as their sources give them,
// the messages they are, joined, and the pictures taken out of them.

// A PDU as a source gives it: a modem's list, a line of a file.
struct ReceivedPdu {
  QByteArray octets;
  QString origin;  // where it came from, as notes name it: "строка 3"
  // Whether the service centre's address comes first, as modems give it;
  // nothing where the source does not say.
  std::optional<bool> centre{};
};

// A message as it arrived (3GPP TS 23.040).
struct ReceivedMessage {
  QString origin;
  bool submitted = false;  // an SMS-SUBMIT, the sender's copy: `address` is its recipient
  QString address;         // "+79161234567", "MTS"
  QDateTime time;          // the service centre's; not valid where the message has none
  QList<InformationElement> header;
  QString text;     // of a message in the GSM 7-bit alphabet or in UCS-2
  QByteArray data;  // of an 8-bit message
};

// A concatenated message's parts by number, from 1; a message alone is its
// one part.
struct JoinedMessage {
  int count = 1;
  std::map<int, ReceivedMessage> parts;  // those that came: a message claims no room for the others

  // Part `number`; null where it is missing.
  const ReceivedMessage* Part(int number) const {
    const auto part = parts.find(number);
    return part == parts.end() ? nullptr : &part->second;
  }
  // The first part there is. ASSUMPTION: one is.
  const ReceivedMessage& First() const { return parts.begin()->second; }
};

// A picture a message holds, and what comes with it.
struct TakenPicture {
  Animation frames;
  QString text{};
  std::optional<NetworkCode> network{};
};

// The most notes a reception gives, the last of them saying that others
// were left out: a file of damaged lines gets no more.
constexpr int kMostNotes = 200;

// Whether a note would be kept: where one is made for every line of a
// file, this spares making those that would not.
inline bool NoteKept(const QStringList& notes) { return notes.size() < kMostNotes; }

inline void AddNote(QStringList& notes, const QString& note) {
  if (notes.size() < kMostNotes - 1)
    notes << note;
  else if (notes.size() == kMostNotes - 1)
    notes << QStringLiteral("остальные замечания пропущены");
}

}  // namespace tochkograf
