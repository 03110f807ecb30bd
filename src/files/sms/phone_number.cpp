#include "files/sms/phone_number.h"

#include <QRegularExpression>

#include "files/octets.h"
#include "files/sms/gsm_alphabet.h"

namespace tochkograf {

namespace {

constexpr int kInternational = 0x91;
constexpr int kUnknownType = 0x81;
constexpr int kPadding = 0xF;

// The type of number, bits 4 to 6 of the type octet, whose bit 7 is set.
constexpr int kInternationalNumber = 1;
constexpr int kAlphanumeric = 5;

// The `count` semi-octets of `octets`, each pair swapped; an odd count is
// padded with F. Nothing for a semi-octet no number has.
std::optional<QString> SemiOctets(const QByteArray& octets, int count) {
  static const QString signs = QStringLiteral("0123456789*#abc");
  QString digits;
  for (int i = 0; i < 2 * octets.size(); ++i) {
    const int value = i % 2 == 0 ? uchar(octets[i / 2]) & 0xF : uchar(octets[i / 2]) >> 4;
    if (i >= count) return value == kPadding ? std::optional(digits) : std::nullopt;
    if (value == kPadding) return std::nullopt;
    digits += signs[value];
  }
  return digits;
}

// An address of `octets` octets after its type octet.
std::optional<QString> Address(const QByteArray& pdu, qsizetype& at, int octets, int count) {
  const int type = uchar(pdu[at + 1]);
  if (!(type & 0x80) || at + 2 + octets > pdu.size()) return std::nullopt;
  const QByteArray field = pdu.mid(at + 2, octets);
  std::optional<QString> text;
  if ((type >> 4 & 7) == kAlphanumeric) {
    text = GsmText(UnpackSeptets(field, 0, count * 4 / 7));
  } else if ((text = SemiOctets(field, count)) && (type >> 4 & 7) == kInternationalNumber) {
    text->prepend(u'+');
  }
  if (text) at += 2 + octets;
  return text;
}

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
  const QString& digits = number.digits;
  for (qsizetype i = 0; i < digits.size(); i += 2) {
    const int high = i + 1 < digits.size() ? digits[i + 1].digitValue() : kPadding;
    field += Octets({high << 4 | digits[i].digitValue()});
  }
  return field;
}

std::optional<QString> ReadAddressField(const QByteArray& pdu, qsizetype& at) {
  if (at + 2 > pdu.size()) return std::nullopt;
  const int count = uchar(pdu[at]);
  if (count > kMostNumberDigits) return std::nullopt;
  return Address(pdu, at, (count + 1) / 2, count);
}

std::optional<QString> ReadServiceCentreField(const QByteArray& pdu, qsizetype& at) {
  if (at >= pdu.size()) return std::nullopt;
  const int octets = uchar(pdu[at]);
  if (octets == 0) {
    ++at;
    return QString();
  }
  if (octets > 1 + kMostNumberDigits / 2 || at + 1 + octets > pdu.size()) return std::nullopt;
  // The digits fill the octets, the last but for its padding.
  const bool padded = octets > 1 && uchar(pdu[at + octets]) >> 4 == kPadding;
  return Address(pdu, at, octets - 1, 2 * (octets - 1) - padded);
}

}  // namespace tochkograf
