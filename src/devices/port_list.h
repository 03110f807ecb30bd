#pragma once

#include <QList>
#include <QString>

namespace tochkograf {

// A serial port the system has now.
struct PresentPort {
  QString location;     // "/dev/ttyUSB0"
  QString description;  // what the system says it is ("HUAWEI Mobile"), or empty
};

// The serial ports present, those a modem is most likely on first (USB,
// then Bluetooth), each group in the order of their names.
QList<PresentPort> PresentPorts();

// A port as a list offers it: "/dev/ttyUSB0 — HUAWEI Mobile".
QString PresentPortText(const PresentPort& port);

}  // namespace tochkograf
