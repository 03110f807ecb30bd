#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tochkograf {

// A message's recipient: an international number ("+" and the country's
// code) or a national one, as the network takes it.
struct PhoneNumber {
  bool international = false;
  QString digits;  // 1 to kMostNumberDigits of them

  // As the user writes it: "+79161234567".
  QString Text() const { return (international ? QStringLiteral("+") : QString()) + digits; }
};

// What the address of a message holds.
constexpr int kMostNumberDigits = 20;

// A number as typed: digits, "+" before them for an international one, and
// between them single spaces, hyphens or dots, and brackets around a group
// of them ("+7 (916) 123-45-67", "8 916.123.45.67"). Nothing for anything
// else, unpaired brackets among it.
std::optional<PhoneNumber> ParsePhoneNumber(const QString& typed);

// The destination address of an SMS-SUBMIT: the count of digits, the type
// (international or unknown, in the ISDN numbering plan), then the digits
// two to an octet, each pair swapped, an odd count padded with F.
QByteArray AddressField(const PhoneNumber& number);

}  // namespace tochkograf
