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

// The address of a received message (an SMS-DELIVER's sender, an
// SMS-SUBMIT's recipient) at `at` in `pdu`, laid out as AddressField lays
// it out, of any type: a name (alphanumeric, type 5) in the GSM 7-bit
// alphabet, a number's semi-octets A to E as * # a b c. As the user reads
// it, "+79161234567" or "MTS", and `at` past it; nothing where the field is
// cut short, longer than kMostNumberDigits semi-octets, or not a number's.
std::optional<QString> ReadAddressField(const QByteArray& pdu, qsizetype& at);

// The service centre's address that a modem gives before a PDU (3GPP TS
// 24.011): its length in octets, the type, the digits; 00 for none. Read
// as ReadAddressField reads an address.
std::optional<QString> ReadServiceCentreField(const QByteArray& pdu, qsizetype& at);

}  // namespace tochkograf
