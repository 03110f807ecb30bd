#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>

#include "devices/modem_outcome.h"
#include "devices/modem_port.h"
#include "files/sms/modem_dialogue.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace tochkograf {

class ModemSession;

// The window of a sending through a modem, which leaves the main window
// usable: "Отправка SMS 2 из 3" and "Отмена", which stops before the next
// message (one the modem has been given is not taken back); at the end one
// line, all sent or what failed, and "Закрыть". Closing it while the
// messages go is "Отмена".
class SendingWindow : public QDialog {
  Q_OBJECT

 public:
  // Begins sending `pdus` through the modem at `port` at once.
  SendingWindow(const ModemPort& port, const QList<QByteArray>& pdus, QWidget* parent = nullptr,
                ModemWaits waits = {});

  bool Sending() const { return !ended_; }

 signals:
  // The sending has ended, as the window's last line says.
  void Ended(const ModemOutcome& outcome);

 public slots:
  // Esc and the close button: "Отмена" while the messages go.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Cancel();
  void Sent(int sent, int total);
  void End(const ModemOutcome& outcome);

  ModemSession* session_ = nullptr;
  QLabel* line_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QPushButton* button_ = nullptr;
  bool ended_ = false;
};

}  // namespace tochkograf
