#include "devices/modem_port.h"

namespace tochkograf {

QString PortLocation(const QString& name) {
  return name.contains(u'/') ? name : QStringLiteral("/dev/") + name;
}

}  // namespace tochkograf
