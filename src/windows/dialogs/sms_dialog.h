#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "commands/transfer/phone_export.h"
#include "commands/transfer/send_to_phone.h"
#include "devices/modem_port.h"
#include "devices/port_list.h"
#include "files/sms/network_code.h"
#include "files/sms/sms_options.h"
#include "picture/animation.h"
#include "picture/picture.h"
#include "windows/dialogs/modem_port_fields.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace tochkograf {

class NetworkCodeFields;

// The modem the dialog "SMS" asks for when the messages are sent at once.
struct ModemChoice {
  QList<PresentPort> ports;  // offered in the list of ports
  ModemPort port;            // the port and speed it starts with
};

// The dialog "SMS" of the export to a modem: the recipient's number, an
// optional text and what to send the picture as, with the network's code
// for an operator logo; and for the sending through a modem, the modem's
// port (one of those present, or typed) and speed. "OK" takes only answers
// it finds nothing wrong with; otherwise the dialog stays and says what is
// wrong. It checks the answers as they change and says one thing at a
// time: at once what the picture does not suit, and what is typed once
// "OK" has been pressed.
class SmsDialog : public QDialog {
  Q_OBJECT

 public:
  // For the frames of a picture, `current` the one shown, the fields
  // filled from `start`; with `modem`, for the sending. It shows how many
  // messages the answers send.
  SmsDialog(const Animation& frames, const Picture& current, const SmsOptions& start,
            const NetworkCode& network, QWidget* parent = nullptr,
            const std::optional<ModemChoice>& modem = std::nullopt);

  SmsOptions Options() const;
  NetworkCode Network() const;
  // The port as chosen or typed (a port of the list by its file), and the
  // speed; empty where the dialog does not send.
  ModemPort Port() const;

 public slots:
  void accept() override;

 private:
  void KindChanged();
  void Check();
  QWidget* FieldOf(SmsProblem::Field field) const;

  const Animation frames_;
  const Picture current_;
  QLineEdit* recipient_ = nullptr;
  QLineEdit* text_ = nullptr;
  QComboBox* kind_ = nullptr;
  NetworkCodeFields* network_ = nullptr;
  std::unique_ptr<ModemPortFields> modem_;  // only for the sending
  QComboBox* port_ = nullptr;               // its fields
  QComboBox* speed_ = nullptr;
  QLabel* messages_ = nullptr;
  QLabel* problem_ = nullptr;
  bool tried_ = false;               // OK has been pressed
  std::optional<SmsProblem> shown_;  // what the dialog says is wrong
};

}  // namespace tochkograf
