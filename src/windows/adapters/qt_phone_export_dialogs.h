#pragma once

#include "commands/transfer/phone_export.h"

class QWidget;

namespace tochkograf {

// The real dialogs of the export to a phone, modal to `owner`. They start
// with the answers last given in this run: the same number and network
// are sent to most often.
class QtPhoneExportDialogs : public PhoneExportDialogs {
 public:
  explicit QtPhoneExportDialogs(QWidget* owner) : owner_(owner) {}
  bool AskSms(const Animation& frames, const Picture& current, SmsOptions& sms,
              NetworkCode& network) override;
  bool AskNetworkCode(NetworkCode& network) override;

 private:
  QWidget* owner_;
  SmsOptions sms_;
  NetworkCode network_;
};

}  // namespace tochkograf
