#include "windows/adapters/qt_phone_export_dialogs.h"

#include "files/sms/sms_kinds.h"
#include "windows/dialogs/network_code_dialog.h"
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

}  // namespace tochkograf
