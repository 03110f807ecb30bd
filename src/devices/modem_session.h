#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include "devices/modem_outcome.h"
#include "devices/modem_port.h"
#include "files/sms/modem_dialogue.h"

namespace tochkograf {

// A conversation with the modem on a port, run from the event loop: what
// the port says is handed to the dialogue as it comes, and its deadlines
// are kept by a timer, so the program stays usable meanwhile.
class ModemSession : public QObject {
  Q_OBJECT

 public:
  ModemSession(const ModemPort& port, ModemDialogue dialogue, QObject* parent = nullptr);

  // Opens the port and begins. Finished always follows, from the event
  // loop, even where the port cannot be opened.
  void Start();
  // Stops before the next message (ModemDialogue::Cancel).
  void Cancel();
  const ModemDialogue& Dialogue() const { return dialogue_; }

 signals:
  // The modem has taken one more message.
  void Sent(int sent, int total);
  // The conversation is over and the port closed.
  void Finished(const ModemOutcome& outcome);

 private:
  void Write(const QByteArray& bytes);
  void Read();
  void Tick();
  void PortFailed(QSerialPort::SerialPortError error);
  // After anything the dialogue was told: reports, sets the timer, or ends.
  void Follow();
  void End(const ModemOutcome& outcome);

  ModemPort where_;
  ModemDialogue dialogue_;
  QSerialPort port_;
  QTimer timer_;
  QElapsedTimer clock_;
  int reported_ = 0;  // messages already reported as sent
  bool ended_ = false;
};

}  // namespace tochkograf
