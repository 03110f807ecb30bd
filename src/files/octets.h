#pragma once

#include <QByteArray>
#include <initializer_list>

namespace tochkograf {

// A few octets given as numbers, each taken modulo 256: QByteArray has no
// list constructor, and {a, b} would pick its (size, fill) one.
inline QByteArray Octets(std::initializer_list<int> values) {
  QByteArray octets;
  octets.reserve(qsizetype(values.size()));
  for (const int value : values) octets.append(char(value & 0xFF));
  return octets;
}

// The 16-bit number, most significant octet first.
inline QByteArray BigEndian16(int value) { return Octets({value >> 8, value}); }

}  // namespace tochkograf
