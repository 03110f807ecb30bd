#include "devices/serial_port.h"

#include <unistd.h>

#include <QFileInfo>
#include <QSerialPort>
#include <cerrno>

namespace tochkograf {

namespace {

// Qt says "permission" both for a port the user may not open and for one
// another program has: the file's own permissions tell them apart.
PortStatus Forbidden(const QString& location) {
  const QByteArray path = location.toLocal8Bit();
  return access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES ? PortStatus::NoPermission
                                                                       : PortStatus::Busy;
}

}  // namespace

PortStatus OpenModemPort(const ModemPort& port, QSerialPort& serial) {
  const QString location = PortLocation(port.name);
  serial.setPortName(location);
  serial.setBaudRate(port.speed);
  serial.setDataBits(QSerialPort::Data8);
  serial.setParity(QSerialPort::NoParity);
  serial.setStopBits(QSerialPort::OneStop);
  serial.setFlowControl(QSerialPort::NoFlowControl);
  if (serial.open(QIODevice::ReadWrite)) return PortStatus::Ok;
  if (const QFileInfo file(location); file.isDir() || file.isFile()) return PortStatus::NotSerial;
  switch (serial.error()) {
    case QSerialPort::DeviceNotFoundError:
      return PortStatus::Missing;
    case QSerialPort::PermissionError:
      return Forbidden(location);
    case QSerialPort::UnsupportedOperationError:
      return PortStatus::NotSerial;
    default:
      break;
  }
  return PortStatus::Failed;
}

QString PortFailureText(PortStatus status, const ModemPort& port, const QString& system_says) {
  const QString location = PortLocation(port.name);
  switch (status) {
    case PortStatus::Ok:
      break;
    case PortStatus::Missing:
      return QStringLiteral("порта %1 нет: модем не подключён или имя порта неверно").arg(location);
    case PortStatus::Busy:
      return QStringLiteral("порт %1 занят другой программой").arg(location);
    case PortStatus::NoPermission:
      return QStringLiteral(
                 "нет прав на порт %1: добавьте пользователя в группу dialout (sudo usermod "
                 "-aG dialout $USER) и войдите в систему заново")
          .arg(location);
    case PortStatus::NotSerial:
      return QStringLiteral("%1 — не последовательный порт").arg(location);
    case PortStatus::Failed:
      return QStringLiteral("не удалось открыть порт %1: %2").arg(location, system_says);
  }
  return {};
}

}  // namespace tochkograf
