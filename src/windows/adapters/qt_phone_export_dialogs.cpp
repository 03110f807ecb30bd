#include "windows/adapters/qt_phone_export_dialogs.h"

#include "devices/port_list.h"
#include "files/sms/sms_kinds.h"
#include "windows/dialogs/network_code_dialog.h"
#include "windows/dialogs/receive_dialog.h"
#include "windows/dialogs/sending_window.h"
#include "windows/dialogs/sms_dialog.h"

namespace tochkograf {

bool QtPhoneExportDialogs::AskSms(const Animation& frames, const Picture& current, SmsOptions& sms,
                                  NetworkCode& network) {
  SmsDialog dialog(frames, current, sms_, network_, owner_);
  if (dialog.exec() != QDialog::Accepted) return false;
  sms = sms_ = dialog.Options();
  if (SmsKindOf(sms.kind).network) network_ = dialog.Network();
  network = network_;
  return true;
}

bool QtPhoneExportDialogs::AskNetworkCode(NetworkCode& network) {
  NetworkCodeDialog dialog(network_, owner_);
  if (dialog.exec() != QDialog::Accepted) return false;
  network = network_ = dialog.Code();
  return true;
}

bool QtPhoneExportDialogs::AskSending(const Animation& frames, const Picture& current,
                                      SendingAnswers& answers) {
  SmsDialog dialog(frames, current, sms_, network_, owner_, ModemChoice{PresentPorts(), port_});
  if (dialog.exec() != QDialog::Accepted) return false;
  sms_ = dialog.Options();
  if (SmsKindOf(sms_.kind).network) network_ = dialog.Network();
  port_ = dialog.Port();
  answers = {sms_, network_, port_};
  return true;
}

void QtPhoneExportDialogs::Send(const ModemPort& port, const QList<QByteArray>& pdus) {
  auto* window = new SendingWindow(port, pdus, owner_);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
}

std::optional<ReceivedPicture> QtPhoneExportDialogs::ChooseReceivedPicture() {
  ReceiveDialog dialog(PresentPorts(), port_, files_, owner_);
  const bool chosen = dialog.exec() == QDialog::Accepted;
  port_ = dialog.Port();
  return chosen ? dialog.Chosen() : std::nullopt;
}

}  // namespace tochkograf
