#pragma once

#include <QString>
#include <optional>

namespace tochkograf {

// How a bitmap font's codes become characters: its charset is named by its
// registry and encoding (CHARSET_REGISTRY, CHARSET_ENCODING). Unicode and
// Latin-1 fonts keep their codes; the Russian 8-bit charsets are mapped;
// of ISO 8859's other parts only the ASCII half is kept.
class FontCharset {
 public:
  // The charset of that name, or none (and the reason) when it is one
  // whose characters are not known. Without a registry, the last two
  // fields of the font's X11 name, if it has one, name it.
  static std::optional<FontCharset> Named(QString registry, QString encoding,
                                          const QString& font_name, QString* error);

  // The character of a code, if the charset has one there.
  std::optional<char32_t> Character(quint32 code) const;

 private:
  enum class Kind { kUnicode, kKoi8R, kIso8859_5, kCp1251, kAsciiHalf };
  explicit FontCharset(Kind kind) : kind_(kind) {}
  Kind kind_;
};

}  // namespace tochkograf
