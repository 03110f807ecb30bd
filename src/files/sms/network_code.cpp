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

}  // namespace tochkograf
