#include "devices/port_list.h"

#include <QSerialPortInfo>
#include <algorithm>

namespace tochkograf {

namespace {

// USB modems first, then Bluetooth, then the rest: the motherboard's own
// ports are seldom a modem.
int Likeliness(const QString& location) {
  for (const auto& [start, rank] :
       {std::pair{"/dev/ttyUSB", 0}, std::pair{"/dev/ttyACM", 0}, std::pair{"/dev/rfcomm", 1}})
    if (location.startsWith(QLatin1String(start))) return rank;
  return 2;
}

}  // namespace

QList<PresentPort> PresentPorts() {
  QList<PresentPort> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    QString description = info.description();
    if (!info.manufacturer().isEmpty() && !description.contains(info.manufacturer()))
      description = (info.manufacturer() + u' ' + description).trimmed();
    ports.append({info.systemLocation(), description});
  }
  std::stable_sort(ports.begin(), ports.end(), [](const PresentPort& a, const PresentPort& b) {
    return std::pair(Likeliness(a.location), a.location) <
           std::pair(Likeliness(b.location), b.location);
  });
  return ports;
}

QString PresentPortText(const PresentPort& port) {
  return port.description.isEmpty()
             ? port.location
             : QStringLiteral("%1 — %2").arg(port.location, port.description);
}

}  // namespace tochkograf
