#pragma once

#include "commands/file_dialog_platform.h"
#include "commands/transfer/phone_export.h"
#include "commands/transfer/receive_from_phone.h"
#include "commands/transfer/send_to_phone.h"

class QWidget;

namespace tochkograf {

// The real dialogs of the export to a phone, of the sending through a modem
// and of the receiving, modal to `owner`, and the sending's window. They
// start with the answers last given in this run, to any of them: the same
// number, network and port are used most often.
class QtPhoneExportDialogs : public PhoneExportDialogs, public PhoneSending, public PhoneReception {
 public:
  // `files` shows the receiving's dialog for a file of messages.
  QtPhoneExportDialogs(QWidget* owner, FileDialogPlatform& files) : owner_(owner), files_(files) {}
  bool AskSms(const Animation& frames, const Picture& current, SmsOptions& sms,
              NetworkCode& network) override;
  bool AskNetworkCode(NetworkCode& network) override;
  bool AskSending(const Animation& frames, const Picture& current,
                  SendingAnswers& answers) override;
  // The window stays until the user closes it; the main window may be used
  // meanwhile.
  void Send(const ModemPort& port, const QList<QByteArray>& pdus) override;
  std::optional<ReceivedPicture> ChooseReceivedPicture() override;

 private:
  QWidget* owner_;
  FileDialogPlatform& files_;
  SmsOptions sms_;
  NetworkCode network_;
  ModemPort port_;
};

}  // namespace tochkograf
