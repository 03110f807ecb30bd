#include "files/disk/system_name.h"

#include <unistd.h>

#include <cstdlib>

namespace tochkograf {

namespace {

constexpr char16_t kFirstEscape = 0xDC80;  // stands for the byte 0x80
constexpr char16_t kLastEscape = 0xDCFF;

bool Escape(QChar c) { return c.unicode() >= kFirstEscape && c.unicode() <= kLastEscape; }

bool Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at `at`, and its code point;
// 0 where none starts there. Overlong forms, surrogates and code points past
// U+10FFFF are not well formed: their bytes are escaped one by one.
int Sequence(const QByteArray& bytes, qsizetype at, char32_t& code) {
  const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[at + i]); };
  const unsigned char lead = byte(0);
  int length = 0;
  char32_t least = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, least = 0x80, code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, least = 0x800, code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, least = 0x10000, code = lead & 0x07;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  for (int i = 1; i < length; ++i) {
    if (!Continuation(byte(i))) return 0;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code < least || code > 0x10FFFF || surrogate ? 0 : length;
}

}  // namespace

QString NameFromSystem(const QByteArray& bytes) {
  QString name;
  name.reserve(bytes.size());
  for (qsizetype at = 0; at < bytes.size();) {
    char32_t code = 0;
    const int length = Sequence(bytes, at, code);
    if (length == 0) {
      name += QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes[at])));
      ++at;
    } else {
      name += QString::fromUcs4(&code, 1);
      at += length;
    }
  }
  return name;
}

QByteArray SystemName(const QString& name) {
  QByteArray bytes;
  bytes.reserve(name.size());
  qsizetype run = 0;  // where the text not yet converted starts
  for (qsizetype i = 0; i < name.size(); ++i) {
    if (!Escape(name[i])) continue;
    bytes += QStringView(name).mid(run, i - run).toUtf8();
    bytes += char(name[i].unicode() - 0xDC00);
    run = i + 1;
  }
  return bytes + QStringView(name).mid(run).toUtf8();
}

bool QtReachesName(const QString& name) {
  for (const QChar c : name)
    if (Escape(c)) return false;
  return true;
}

QString ReadableName(const QString& name) {
  QString shown = name;
  for (QChar& c : shown)
    if (Escape(c)) c = QChar::ReplacementCharacter;
  return shown;
}

QString AbsoluteName(const QString& name) {
  if (name.startsWith(u'/')) return name;
  char* folder = ::getcwd(nullptr, 0);
  if (!folder) return name;
  const QString absolute = NameFromSystem(folder) + u'/' + name;
  std::free(folder);
  return absolute;
}

}  // namespace tochkograf
