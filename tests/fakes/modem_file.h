#pragma once

#include <QByteArray>
#include <QList>

namespace tochkograf {

// The PDUs of a file of modem commands (.at), each from the line after its
// AT+CMGS.
inline QList<QByteArray> PdusOfModemFile(const QByteArray& file) {
  QList<QByteArray> pdus;
  const QList<QByteArray> lines = file.split('\n');
  for (qsizetype i = 0; i + 1 < lines.size(); ++i)
    if (lines[i].startsWith("AT+CMGS=")) pdus << QByteArray::fromHex(lines[i + 1].trimmed());
  return pdus;
}

// The file of modem commands that sends `pdus`, as gammu's reader takes one.
inline QByteArray ModemFileOf(const QList<QByteArray>& pdus) {
  QByteArray file = "AT+CMGF=0\r\n";
  for (const QByteArray& pdu : pdus)
    file += "AT+CMGS=" + QByteArray::number(pdu.size() - 1) + "\r\n" + pdu.toHex() + "\r\n";
  return file;
}

}  // namespace tochkograf
