#include "files/sms/modem_failure.h"

#include "files/sms/modem_error_words.h"

namespace tochkograf {

namespace {

// What the modem said, as far as it is printable: a line of a port can hold
// any bytes.
QString Printable(const QByteArray& bytes) {
  QString text;
  for (const char byte : bytes) text += byte >= ' ' && byte < 127 ? QChar(byte) : QChar(u'?');
  return text;
}

QString Seconds(int milliseconds) {
  return QStringLiteral("%1 с").arg(QString::number(milliseconds / 1000.0, 'g', 3));
}

QString Message(const ModemFailure& failure, int total) {
  return QStringLiteral("SMS %1 из %2").arg(failure.message).arg(total);
}

QString Refusal(const ModemAnswer& refusal) {
  ModemAnswer printable = refusal;
  printable.text = Printable(refusal.text).toLatin1();
  return ModemRefusalText(printable);
}

QString Reason(const ModemFailure& failure, int total) {
  const QString command = Printable(failure.command);
  switch (failure.kind) {
    case ModemFailure::Kind::None:
      break;
    case ModemFailure::Kind::NoAnswer:
      return QStringLiteral("модем не ответил на %1 за %2").arg(command, Seconds(failure.waited));
    case ModemFailure::Kind::Refused:
      return QStringLiteral("модем отказался выполнить %1: %2")
          .arg(command, Refusal(failure.refusal));
    case ModemFailure::Kind::NoPduMode:
      return QStringLiteral("модем не принимает %1, он не умеет отправлять SMS в режиме PDU: %2")
          .arg(command, Refusal(failure.refusal));
    case ModemFailure::Kind::MessageRefused:
      return QStringLiteral("модем отказался отправить %1: %2")
          .arg(Message(failure, total), Refusal(failure.refusal));
    case ModemFailure::Kind::MessageUnanswered:
      return QStringLiteral("модем не ответил на %1 за %2")
          .arg(Message(failure, total), Seconds(failure.waited));
    case ModemFailure::Kind::Cancelled:
      return QStringLiteral("отправка отменена");
    case ModemFailure::Kind::PortLost:
      return QStringLiteral("порт перестал работать: %1").arg(failure.detail);
  }
  return {};
}

}  // namespace

QString ModemFailureText(const ModemFailure& failure, int sent, int total) {
  if (failure.kind == ModemFailure::Kind::None) return {};
  QString text = Reason(failure, total);
  if (total > 0) text += QStringLiteral("; отправлено %1 из %2").arg(sent).arg(total);
  return text;
}

}  // namespace tochkograf
