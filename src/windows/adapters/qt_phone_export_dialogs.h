#pragma once

#include "commands/transfer/phone_export.h"
#include "commands/transfer/send_to_phone.h"

class QWidget;

namespace tochkograf {

// The real dialogs of the export to a phone and of the sending through a
// modem, modal to `owner`, and the sending's window. They start with the
// answers last given in this run, to either: the same number, network and
// port are sent to most often.
class QtPhoneExportDialogs : public PhoneExportDialogs, public PhoneSending {
 public:
  explicit QtPhoneExportDialogs(QWidget* owner) : owner_(owner) {}
  bool AskSms(const Animation& frames, const Picture& current, SmsOptions& sms,
              NetworkCode& network) override;
  bool AskNetworkCode(NetworkCode& network) override;
  bool AskSending(const Animation& frames, const Picture& current,
                  SendingAnswers& answers) override;
  // The window stays until the user closes it; the main window may be used
  // meanwhile.
  void Send(const ModemPort& port, const QList<QByteArray>& pdus) override;

 private:
  QWidget* owner_;
  SmsOptions sms_;
  NetworkCode network_;
  ModemPort port_;
};

}  // namespace tochkograf
