#pragma once

#include <QString>

#include "files/network_code.h"
#include "files/sms_options.h"
#include "images/file_formats.h"
#include "picture/picture.h"

namespace tochkograf {

// What "Экспорт..." asks, after the file dialog, for the types that go to
// a phone: the main window shows real dialogs; tests script the answers.
class PhoneExportDialogs {
 public:
  virtual ~PhoneExportDialogs() = default;
  // The dialog "SMS" for a picture of `width` x `height`: the recipient,
  // the text and what to send, and the network for an operator logo. It
  // takes only answers SmsAnswersProblem() finds nothing wrong with. False
  // when cancelled.
  virtual bool AskSms(int width, int height, SmsOptions& sms, NetworkCode& network) = 0;
  // An operator logo's MCC and MNC; false when cancelled.
  virtual bool AskNetworkCode(NetworkCode& network) = 0;
};

// What is wrong with the answers of the dialog "SMS" for a picture of
// `width` x `height`, as a sentence for the user; empty when nothing is.
QString SmsAnswersProblem(const SmsOptions& sms, int width, int height);

// Asks what `format` needs besides the picture into `options`; true at
// once for a type that asks nothing or does not take the picture's size
// (its writer then says which it takes), false when the user cancelled.
bool AskPhoneExportOptions(PhoneExportDialogs& dialogs, const FileFormat& format,
                           const Picture& picture, WriteOptions& options);

}  // namespace tochkograf
