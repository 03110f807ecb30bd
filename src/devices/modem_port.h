#pragma once

#include <QString>

namespace tochkograf {

// The speed a modem's port is opened at unless another is asked for.
constexpr int kDefaultModemSpeed = 115200;

// A serial port a GSM modem is on: a USB modem's /dev/ttyUSB0 or
// /dev/ttyACM0, a Bluetooth /dev/rfcomm0, a pseudo-terminal; a name without
// a folder is one in /dev.
struct ModemPort {
  QString name;
  int speed = kDefaultModemSpeed;  // in bits a second; 8 data bits, no parity, one stop bit
};

// The port's file: "ttyUSB0" is /dev/ttyUSB0.
QString PortLocation(const QString& name);

}  // namespace tochkograf
