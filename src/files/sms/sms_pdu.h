#pragma once

#include <QList>
#include <QStringList>

#include "files/format_status.h"
#include "files/sms/received_message.h"

namespace tochkograf {

// Received PDUs read (3GPP TS 23.040): an SMS-DELIVER, or an SMS-SUBMIT as
// a phone keeps what it sent and as this program's modem files hold it.

// The message a PDU holds: the first octet, the address, the protocol
// identifier, the data coding (TS 23.038), the time stamp of an
// SMS-DELIVER, the validity period of an SMS-SUBMIT in any of its formats,
// and the user data (sms_user_data.h): its header's elements, and its text
// in the GSM 7-bit alphabet (extension table included) or UCS-2, or its
// octets. A compressed message gives its header only. Where the source
// does not say whether the service centre's address comes first, the
// reading that is whole and consistent decides: the one with it, where
// both are. Unsupported for a status report or a command; Damaged where no
// reading is whole and consistent; `message` is then as it was.
FormatStatus ReadSmsPdu(const ReceivedPdu& pdu, ReceivedMessage& message);

// Every PDU read, in order; those that cannot be are left out, each with a
// note in Russian naming where it came from. At most kMostReceivedMessages.
QList<ReceivedMessage> ReadSmsPdus(const QList<ReceivedPdu>& pdus, QStringList& notes);

// A text in UCS-2, two octets a code unit, the high one first; an odd
// octet at the end is left out.
QString Ucs2Text(const QByteArray& octets);

// The most messages one source gives: more are left out, with a note.
constexpr int kMostReceivedMessages = 20000;

// The note on a source that holds more messages.
QString TooManyMessagesNote();

}  // namespace tochkograf
