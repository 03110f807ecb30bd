#include "cli/phone_options.h"

#include <QRegularExpression>

#include "files/sms/phone_number.h"
#include "files/status_texts.h"

namespace tochkograf {

QString ReadRecipient(const QString& text, QString& recipient) {
  if (!ParsePhoneNumber(text))
    return QStringLiteral("--to: %1, а не %2")
        .arg(FormatFailureReason(FormatStatus::BadRecipient), Quoted(text));
  recipient = text;
  return {};
}

QString ReadNetwork(const QString& text, std::optional<NetworkCode>& network) {
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("^([0-9]{3})-([0-9]{2,3})$")).match(text);
  if (!match.hasMatch())
    return QStringLiteral(
               "--network ждёт код сети MCC-MNC из 3 цифр и из 2 или 3 цифр "
               "(например 250-01 или 310-260), а не %1")
        .arg(Quoted(text));
  const QString mnc = match.captured(2);
  network = NetworkCode{match.captured(1).toInt(), mnc.toInt(), int(mnc.size())};
  return {};
}

QString ReadSpeed(const QString& text, int& speed) {
  bool number = false;
  const int value = text.toInt(&number);
  // From the slowest speed of old terminals to the fastest USB serial chips.
  if (!number || value < 50 || value > 4000000)
    return QStringLiteral(
               "--speed ждёт скорость порта в бит/с от 50 до 4000000, например "
               "115200, а не %1")
        .arg(Quoted(text));
  speed = value;
  return {};
}

}  // namespace tochkograf
