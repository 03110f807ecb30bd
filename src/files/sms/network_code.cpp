#include "files/sms/network_code.h"

#include "files/octets.h"

namespace tochkograf {

QString NetworkCodeText(const NetworkCode& code) {
  return QStringLiteral("%1 %2")
      .arg(code.mcc, 3, 10, QChar(u'0'))
      .arg(code.mnc, code.mnc_digits, 10, QChar(u'0'));
}

QByteArray NetworkCodeBcd(const NetworkCode& code) {
  const int mcc[] = {code.mcc / 100, code.mcc / 10 % 10, code.mcc % 10};
  constexpr int kNoDigit = 0xF;
  const bool three = code.mnc_digits == 3;
  const int mnc[] = {three ? code.mnc / 100 : code.mnc / 10,
                     three ? code.mnc / 10 % 10 : code.mnc % 10, three ? code.mnc % 10 : kNoDigit};
  return Octets({mcc[1] << 4 | mcc[0], mnc[2] << 4 | mcc[2], mnc[1] << 4 | mnc[0]});
}

std::optional<NetworkCode> NetworkCodeOfBcd(const QByteArray& octets) {
  if (octets.size() < 3) return std::nullopt;
  // The semi-octets in the order NetworkCodeBcd lays them.
  int digit[6];
  for (int i = 0; i < 6; ++i)
    digit[i] = i % 2 == 0 ? uchar(octets[i / 2]) & 0xF : uchar(octets[i / 2]) >> 4;
  const int mcc[] = {digit[0], digit[1], digit[2]}, mnc[] = {digit[4], digit[5], digit[3]};
  const bool three = mnc[2] != 0xF;
  for (const int d : {mcc[0], mcc[1], mcc[2], mnc[0], mnc[1], three ? mnc[2] : 0})
    if (d > 9) return std::nullopt;
  return NetworkCode{mcc[0] * 100 + mcc[1] * 10 + mcc[2],
                     three ? mnc[0] * 100 + mnc[1] * 10 + mnc[2] : mnc[0] * 10 + mnc[1],
                     three ? 3 : 2};
}

}  // namespace tochkograf
