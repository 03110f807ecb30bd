#pragma once

#include <QString>
#include <optional>

#include "files/sms/network_code.h"
#include "files/sms/sms_options.h"

namespace tochkograf {

// What --convert writes into the files that go to a phone: the messages
// for a modem (.at) and the operator logo (.nol), which the export asks
// for in its dialogs.
struct PhoneOptions {
  SmsOptions sms;                      // --to NUMBER, --text TEXT, --kind KIND
  std::optional<NetworkCode> network;  // --network MCC-MNC
};

// The values of --to, --network and --speed as typed; what is wrong with
// them in Russian, or nothing.
QString ReadRecipient(const QString& text, QString& recipient);
QString ReadNetwork(const QString& text, std::optional<NetworkCode>& network);
QString ReadSpeed(const QString& text, int& speed);

}  // namespace tochkograf
