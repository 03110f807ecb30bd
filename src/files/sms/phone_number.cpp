#include "files/sms/phone_number.h"

#include <QRegularExpression>

#include "files/octets.h"

namespace tochkograf {

namespace {

constexpr int kInternational = 0x91;
constexpr int kUnknownType = 0x81;

}  // namespace

std::optional<PhoneNumber> ParsePhoneNumber(const QString& typed) {
  // A part is a digit, or digits in brackets; a space, a hyphen or a dot
  // may stand between any two.
  static const QString between = QStringLiteral("[ .-]?");
  static const QString part = QStringLiteral("(?:\\d|\\(\\d(?:%1\\d)*\\))").arg(between);
  static const QRegularExpression number(
      QStringLiteral("^(\\+?)(%1(?:%2%1)*)$").arg(part, between));
  const QRegularExpressionMatch match = number.match(typed.trimmed());
  if (!match.hasMatch()) return std::nullopt;
  QString digits = match.captured(2);
  digits.remove(QRegularExpression(QStringLiteral("[ .()-]")));
  // \d would also take the digits of other scripts.
  for (const QChar c : digits)
    if (c < u'0' || c > u'9') return std::nullopt;
  if (digits.size() > kMostNumberDigits) return std::nullopt;
  return PhoneNumber{!match.captured(1).isEmpty(), digits};
}

QByteArray AddressField(const PhoneNumber& number) {
  QByteArray field =
      Octets({int(number.digits.size()), number.international ? kInternational : kUnknownType});
  constexpr int kPadding = 0xF;
  const QString& digits = number.digits;
  for (qsizetype i = 0; i < digits.size(); i += 2) {
    const int high = i + 1 < digits.size() ? digits[i + 1].digitValue() : kPadding;
    field += Octets({high << 4 | digits[i].digitValue()});
  }
  return field;
}

}  // namespace tochkograf
