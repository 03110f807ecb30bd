#pragma once

#include <QByteArray>

namespace tochkograf {

// One information element of a message's user data header (3GPP TS
// 23.040): an identifier, and data the header gives with its length.
struct InformationElement {
  unsigned char id = 0;
  QByteArray data;

  // The octets the header holds: identifier, length, data.
  QByteArray Encoded() const { return QByteArray(1, char(id)) + char(data.size()) + data; }
  qsizetype Size() const { return 2 + data.size(); }
};

}  // namespace tochkograf
