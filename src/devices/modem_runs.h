#pragma once

#include <QByteArray>
#include <QList>
#include <functional>
#include <vector>

#include "devices/modem_outcome.h"
#include "devices/modem_port.h"
#include "files/sms/modem_dialogue.h"

namespace tochkograf {

// The conversations with a modem, each run to its end before it returns,
// for the command line and for callers that wait anyway. Each runs an
// event loop of its own meanwhile, making an application object first
// where the program has none (the command line starts none).

// Sends `pdus` (modem_commands.h) through the modem at `port`; `sent_one`
// hears of each message the modem has taken as it is taken. Ok, or why
// not and how many went.
ModemOutcome SendThroughModem(const ModemPort& port, const QList<QByteArray>& pdus,
                              const std::function<void(int sent, int total)>& sent_one = {},
                              ModemWaits waits = {});

// Every message stored on the modem at `port`, from each of its memories
// (AT+CPMS), read in PDU mode with AT+CMGL=4; nothing is deleted or marked
// (ModemDialogue::Listing). Ok, or why not (in Russian, as the sending's
// failures are worded); `found` gets what was listed before a failure too.
ModemOutcome ListStoredMessages(const ModemPort& port, std::vector<StoredMessage>& found,
                                ModemWaits waits = {});

}  // namespace tochkograf
