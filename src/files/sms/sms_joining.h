#pragma once

#include <QList>
#include <QStringList>

#include "files/sms/received_message.h"

namespace tochkograf {

// The parts of concatenated messages joined (3GPP TS 23.040): each part
// carries element 00 (an 8-bit reference) or 08 (a 16-bit one) with the
// count and its number. Parts come in any order, among other messages'
// parts; those of one message share the address, the direction, the kind
// of reference, the reference and the count. A part that comes again is
// left out with a note in Russian; an element whose count or number makes
// no sense is taken as none. The messages in the order their first part
// came.
QList<JoinedMessage> JoinParts(const QList<ReceivedMessage>& messages, QStringList& notes);

// The numbers of the parts missing, from 1.
QList<int> MissingParts(const JoinedMessage& message);

// How notes name a message: "сообщение от +79161234567 (строка 3)", after
// where its first part came from.
QString MessageName(const JoinedMessage& message);

}  // namespace tochkograf
