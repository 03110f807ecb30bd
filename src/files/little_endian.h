#pragma once

#include <QByteArray>
#include <cstdint>

namespace tochkograf {

// Unsigned little-endian fields of a byte block. ASSUMPTION: the caller has
// checked that offset + size lies within `bytes`.
inline std::uint32_t ReadLittleEndian(const QByteArray& bytes, int offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

inline std::uint16_t Read16(const QByteArray& bytes, int offset) {
  return static_cast<std::uint16_t>(ReadLittleEndian(bytes, offset, 2));
}

inline std::uint32_t Read32(const QByteArray& bytes, int offset) {
  return ReadLittleEndian(bytes, offset, 4);
}

inline std::int32_t ReadSigned32(const QByteArray& bytes, int offset) {
  return static_cast<std::int32_t>(Read32(bytes, offset));
}

// Appends the low `size` bytes of `value`, least significant first.
inline void AppendLittleEndian(QByteArray& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

}  // namespace tochkograf
