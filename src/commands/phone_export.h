#pragma once

#include <QString>

#include "files/network_code.h"
#include "files/sms_options.h"
#include "images/file_formats.h"
#include "picture/animation.h"
#include "picture/picture.h"

namespace tochkograf {

// What "Экспорт..." asks, after the file dialog, for the types that go to
// a phone: the main window shows real dialogs; tests script the answers.
class PhoneExportDialogs {
 public:
  virtual ~PhoneExportDialogs() = default;
  // The dialog "SMS" for the frames of a picture, `current` the one shown:
  // the recipient, the text and what to send, and the network for an
  // operator logo. It takes only answers SmsAnswersProblem() finds nothing
  // wrong with. False when cancelled.
  virtual bool AskSms(const Animation& frames, const Picture& current, SmsOptions& sms,
                      NetworkCode& network) = 0;
  // An operator logo's MCC and MNC; false when cancelled.
  virtual bool AskNetworkCode(NetworkCode& network) = 0;
};

// What is wrong with the answers of the dialog "SMS" for a picture of
// `width` x `height`, as a sentence for the user; empty when nothing is.
QString SmsAnswersProblem(const SmsOptions& sms, int width, int height);

// How many messages the answers send the frames in, as the dialog "SMS"
// shows it: "3", or what keeps them from being sent.
QString SmsMessagesText(const Animation& frames, const Picture& current, const SmsOptions& sms,
                        const NetworkCode& network);

// Asks what `format` needs besides the picture (and the frames of
// options.animation, where it has them) into `options`; true at
// once for a type that asks nothing or does not take the picture's size
// (its writer then says which it takes), false when the user cancelled.
bool AskPhoneExportOptions(PhoneExportDialogs& dialogs, const FileFormat& format,
                           const Picture& picture, WriteOptions& options);

}  // namespace tochkograf
