#pragma once

#include <QString>

namespace tochkograf {

// How a conversation with a modem ended.
struct ModemOutcome {
  bool ok = false;
  QString reason;  // why not, one line in Russian without a full stop; empty when ok
  int sent = 0;    // the messages the modem took
  int total = 0;   // of those there were to send
};

}  // namespace tochkograf
