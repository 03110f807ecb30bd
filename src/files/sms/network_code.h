#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tochkograf {

// A mobile network's code, as its operator logo names it: the country's
// (MCC, three digits) and the network's within it (MNC, two digits, or
// three in North America and India: 310 260 is not 310 26).
struct NetworkCode {
  int mcc = 0;
  int mnc = 0;
  int mnc_digits = 2;  // 2 or 3: a leading 0 counts

  bool operator==(const NetworkCode&) const = default;
};

// "250 01", "310 260".
QString NetworkCodeText(const NetworkCode& code);

// The three octets of BCD a Nokia operator logo message opens with, laid
// out as 3GPP TS 24.008 (10.5.1.3) lays out a network: the MCC's first two
// digits swapped; its third beside the MNC's third, or F where the MNC has
// two; then the MNC's first two swapped (250 01 is 52 F0 10, 310 260 is
// 13 00 62).
QByteArray NetworkCodeBcd(const NetworkCode& code);

// The network those three octets name; nothing where one is not a digit
// where a digit must be.
std::optional<NetworkCode> NetworkCodeOfBcd(const QByteArray& octets);

}  // namespace tochkograf
