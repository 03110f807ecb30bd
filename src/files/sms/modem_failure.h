#pragma once

#include <QByteArray>
#include <QString>

#include "files/sms/modem_answers.h"

namespace tochkograf {

// Why a conversation with a modem ended before its end, or nothing.
struct ModemFailure {
  enum class Kind {
    None,
    NoAnswer,           // a command had no answer in time
    Refused,            // a command the conversation needs was refused
    NoPduMode,          // AT+CMGF=0 was refused: the modem takes no PDUs
    MessageRefused,     // the modem refused a message, or its AT+CMGS
    MessageUnanswered,  // no prompt for a message, or no answer once given
    Cancelled,          // the user stopped it
    PortLost,           // the port failed while it went on (the modem unplugged)
  };
  Kind kind = Kind::None;
  QByteArray command{};   // the command unanswered or refused, without its CR
  ModemAnswer refusal{};  // the modem's own words of refusal
  int message = 0;        // the message refused or unanswered, from 1
  int waited = 0;         // milliseconds waited for the answer that did not come
  QString detail{};       // PortLost: what the port said
};

// What a failure says, one line in Russian without a full stop: "модем
// отказался отправить SMS 2 из 3: сеть не работает (+CMS ERROR: 38);
// отправлено 1 из 3". Where there were messages to send (`total`), it says
// how many of them went (`sent`). Nothing where nothing failed.
QString ModemFailureText(const ModemFailure& failure, int sent, int total);

}  // namespace tochkograf
