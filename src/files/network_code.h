#pragma once

#include <QByteArray>
#include <QString>

namespace tochkograf {

// A mobile network's code, as its operator logo names it: the country's
// (MCC, three digits) and the network's within it (MNC, two digits).
struct NetworkCode {
  int mcc = 0;
  int mnc = 0;

  bool operator==(const NetworkCode&) const = default;
};

constexpr int kMostMcc = 999;
constexpr int kMostMnc = 99;

// "250 01".
QString NetworkCodeText(const NetworkCode& code);

// The three octets of BCD a Nokia operator logo message opens with: the
// MCC's first two digits swapped, its third beside an F, then the MNC's two
// swapped (250 01 is 52 F0 10).
QByteArray NetworkCodeBcd(const NetworkCode& code);

}  // namespace tochkograf
