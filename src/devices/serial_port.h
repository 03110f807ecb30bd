#pragma once

#include <QString>

#include "devices/modem_port.h"

class QSerialPort;

namespace tochkograf {

// Why a port could not be opened, or Ok.
enum class PortStatus {
  Ok,
  Missing,       // no such file: the modem is not plugged in, or the name is wrong
  Busy,          // another program has it open (or holds its lock)
  NoPermission,  // the user may not open it: not in the group that owns it
  NotSerial,     // a file, a folder or a device that is no serial port
  Failed,        // anything else the system says
};

// Opens `port` on `serial` for reading and writing at its speed, 8 data
// bits, no parity, one stop bit, no flow control, and takes it for this
// program alone. Ok, or why not.
PortStatus OpenModemPort(const ModemPort& port, QSerialPort& serial);

// Why `port` could not be opened, one line in Russian: the missing, busy
// and forbidden ports each say so, a forbidden one naming the group
// "dialout" that serial ports belong to and how to join it.
QString PortFailureText(PortStatus status, const ModemPort& port, const QString& system_says = {});

}  // namespace tochkograf
