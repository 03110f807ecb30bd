#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include "files/sms/received_message.h"

namespace tochkograf {

// PDUs written as text, one a line, in hex of either case, with spaces
// allowed between the digits:
// - a list of PDUs, SMS-DELIVER or SMS-SUBMIT, with the service centre's
//   address first or without it (sms_pdu.h decides);
// - this program's modem files (modem_commands.h): the line after each
//   "AT+CMGS=<n>";
// - a modem's answers to AT+CMGL and AT+CMGR in PDU mode, kept in a file:
//   the line after each "+CMGL: ..." or "+CMGR: ...".
// After a command or an answer, the last number counts the octets after
// the service centre's address, which tells whether the PDU has one. Other
// commands and answers ("AT...", "OK", "+CMTI: ..."), comments ("#", ";")
// and empty lines are passed over. Any other line, and a PDU whose length
// does not agree, is left out with a note in Russian naming its line. Each
// PDU's origin is its line ("строка 3"). At most kMostReceivedMessages.
QList<ReceivedPdu> PdusOfLines(const QByteArray& text, QStringList& notes);

}  // namespace tochkograf
