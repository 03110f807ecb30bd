#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "files/sms/network_code.h"
#include "files/sms/sms_options.h"
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
  // operator logo. It takes only answers SmsProblems() finds nothing wrong
  // with. False when cancelled.
  virtual bool AskSms(const Animation& frames, const Picture& current, SmsOptions& sms,
                      NetworkCode& network) = 0;
  // An operator logo's MCC and MNC; false when cancelled.
  virtual bool AskNetworkCode(NetworkCode& network) = 0;
};

// How many messages the answers send the frames in, as the dialog "SMS"
// shows it: "3", with a note where they carry only the current frame; a
// dash where none can be sent (SmsProblems says why).
QString SmsMessagesText(const Animation& frames, const Picture& current, const SmsOptions& sms,
                        const NetworkCode& network);

// One thing the dialog "SMS" finds wrong with its answers, as a sentence,
// and the field where it is mended.
struct SmsProblem {
  enum class Field { Recipient, Kind, Network, Text, Port, Speed };
  Field field;
  QString text;
};

// Everything wrong with the answers for the frames, each thing once, in
// the order of the fields: the number; a kind the picture's size does not
// suit; for an operator logo, a network not given (`network` null); and
// otherwise whatever keeps the messages from being sent (too many of them).
QList<SmsProblem> SmsProblems(const Animation& frames, const Picture& current,
                              const SmsOptions& sms, const std::optional<NetworkCode>& network);

// The sentence for a network's code short of digits.
QString ShortNetworkCodeProblem();

// Asks what `format` needs besides the picture (and the frames of
// options.animation, where it has them) into `options`; true at
// once for a type that asks nothing or does not take the picture's size
// (its writer then says which it takes), false when the user cancelled.
bool AskPhoneExportOptions(PhoneExportDialogs& dialogs, const FileFormat& format,
                           const Picture& picture, WriteOptions& options);

}  // namespace tochkograf
