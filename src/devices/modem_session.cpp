#include "devices/modem_session.h"

#include "devices/serial_port.h"

namespace tochkograf {

ModemSession::ModemSession(const ModemPort& port, ModemDialogue dialogue, QObject* parent)
    : QObject(parent), where_(port), dialogue_(std::move(dialogue)) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &ModemSession::Tick);
  connect(&port_, &QSerialPort::readyRead, this, &ModemSession::Read);
  connect(&port_, &QSerialPort::errorOccurred, this, &ModemSession::PortFailed);
}

void ModemSession::Start() {
  const PortStatus status = OpenModemPort(where_, port_);
  if (status != PortStatus::Ok) {
    const ModemOutcome failed{false, PortFailureText(status, where_, port_.errorString()), 0,
                              dialogue_.Total()};
    ended_ = true;
    QMetaObject::invokeMethod(
        this, [this, failed] { emit Finished(failed); }, Qt::QueuedConnection);
    return;
  }
  clock_.start();
  Write(dialogue_.Start(clock_.elapsed()));
  Follow();
}

void ModemSession::Cancel() {
  if (ended_) return;
  Write(dialogue_.Cancel());
  Follow();
}

void ModemSession::Write(const QByteArray& bytes) {
  if (!bytes.isEmpty()) port_.write(bytes);
}

void ModemSession::Read() {
  if (ended_) return;
  Write(dialogue_.Heard(port_.readAll(), clock_.elapsed()));
  Follow();
}

void ModemSession::Tick() {
  if (ended_) return;
  Write(dialogue_.Tick(clock_.elapsed()));
  Follow();
}

void ModemSession::PortFailed(QSerialPort::SerialPortError error) {
  // Only a port that stops working mid-way; opening's failures are Start's.
  if (ended_ || !port_.isOpen() || error == QSerialPort::NoError ||
      error == QSerialPort::TimeoutError)
    return;
  ModemFailure lost{
      .kind = ModemFailure::Kind::PortLost,
      .detail = QStringLiteral("модем отключён или порт закрыт (%1)").arg(port_.errorString())};
  End({false, ModemFailureText(lost, dialogue_.Sent(), dialogue_.Total()), dialogue_.Sent(),
       dialogue_.Total()});
}

void ModemSession::Follow() {
  if (ended_) return;
  // Counted before it is told: whoever hears it may cancel, which follows again.
  while (reported_ < dialogue_.Sent()) {
    ++reported_;
    emit Sent(reported_, dialogue_.Total());
    if (ended_) return;
  }
  if (!dialogue_.Finished()) {
    timer_.start(int(std::max<qint64>(0, dialogue_.Deadline() - clock_.elapsed())));
    return;
  }
  const ModemFailure& failure = dialogue_.Failure();
  const bool ok = failure.kind == ModemFailure::Kind::None;
  End({ok, ok ? QString() : ModemFailureText(failure, dialogue_.Sent(), dialogue_.Total()),
       dialogue_.Sent(), dialogue_.Total()});
}

void ModemSession::End(const ModemOutcome& outcome) {
  ended_ = true;
  timer_.stop();
  // What was written last (an ESC that closes a prompt) goes before the port closes.
  port_.flush();
  port_.waitForBytesWritten(100);
  port_.close();
  emit Finished(outcome);
}

}  // namespace tochkograf
