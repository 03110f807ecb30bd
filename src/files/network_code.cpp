#include "files/network_code.h"

#include "files/octets.h"

namespace tochkograf {

QString NetworkCodeText(const NetworkCode& code) {
  return QStringLiteral("%1 %2")
      .arg(code.mcc, 3, 10, QChar(u'0'))
      .arg(code.mnc, 2, 10, QChar(u'0'));
}

QByteArray NetworkCodeBcd(const NetworkCode& code) {
  const int mcc[] = {code.mcc / 100, code.mcc / 10 % 10, code.mcc % 10};
  const int mnc[] = {code.mnc / 10, code.mnc % 10};
  return Octets({mcc[1] << 4 | mcc[0], 0xF0 | mcc[2], mnc[1] << 4 | mnc[0]});
}

}  // namespace tochkograf
