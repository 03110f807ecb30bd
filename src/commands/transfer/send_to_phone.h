#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "commands/transfer/phone_export.h"
#include "commands/user_messages.h"
#include "devices/modem_outcome.h"
#include "devices/modem_port.h"
#include "files/sms/network_code.h"
#include "files/sms/sms_options.h"
#include "picture/animation.h"
#include "picture/document_state.h"
#include "picture/picture.h"

namespace tochkograf {

// What "Отправить на телефон..." asks: the export's answers for a modem,
// and the modem's port.
struct SendingAnswers {
  SmsOptions sms;
  NetworkCode network;
  ModemPort port;
};

// What "Отправить на телефон..." asks and how it sends: the main window
// shows the real dialog and the sending's own window; tests script them.
class PhoneSending {
 public:
  virtual ~PhoneSending() = default;
  // The dialog "SMS" with the modem's port and speed, for the frames of a
  // picture, `current` the one shown. It takes only answers
  // SendingProblems() finds nothing wrong with. False when cancelled.
  virtual bool AskSending(const Animation& frames, const Picture& current,
                          SendingAnswers& answers) = 0;
  // Sends `pdus` through the modem at `port`, showing how it goes, and
  // returns at once: the main window stays usable while they go.
  virtual void Send(const ModemPort& port, const QList<QByteArray>& pdus) = 0;
};

// Everything wrong with the answers, as SmsProblems() finds it, and then a
// port not named or a speed out of range.
QList<SmsProblem> SendingProblems(const Animation& frames, const Picture& current,
                                  const SendingAnswers& answers,
                                  const std::optional<NetworkCode>& network);

// The sending's window as it goes: "Отправка SMS 2 из 3" while the modem
// has taken `sent` of `total`; and its one line at the end.
QString SendingProgressText(int sent, int total);
QString SendingEndText(const ModemOutcome& outcome);

// "Файл" → "Отправить на телефон...": asks, then sends exactly the
// messages the export to a modem (.at) writes for the document's frames
// and the same answers. The document is never changed.
void SendToPhone(const DocumentState& state, PhoneSending& sending, UserMessages& messages);

}  // namespace tochkograf
