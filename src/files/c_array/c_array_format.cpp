#include "files/c_array/c_array_format.h"

#include <QSet>

#include "files/c_array/c_identifier.h"

namespace tochkograf {

namespace {

constexpr int kBytesPerLine = 16;

// The comment's last two lines, which the C-array import reads the
// layout and the set bit from.
QString LayoutLines(const CArrayOptions& options) {
  const LayoutName& layout = NameOf(options.layout);
  const SetBitName& meaning = NameOf(options.set_bit);
  return QStringLiteral(
             " * Раскладка: %1 (--layout %2);\n"
             " * установленный бит — %3 (--set-bit %4). */\n")
      .arg(layout.caption.toLower(), layout.option, meaning.caption, meaning.option);
}

QByteArray Comment(const Picture& picture, const CArrayOptions& options) {
  return (QStringLiteral("/* Tochkograf: рисунок %1 x %2 точек для дисплея, байтов: %3.\n")
              .arg(picture.width)
              .arg(picture.height)
              .arg(DisplayByteCount(picture.width, picture.height, options.layout)) +
          LayoutLines(options))
      .toUtf8();
}

QByteArray AnimationComment(const Animation& animation, const CArrayOptions& options) {
  const int bytes = DisplayByteCount(animation.width, animation.height, options.layout);
  return (QStringLiteral("/* Tochkograf: анимация для дисплея, кадров: %1, каждый %2 x %3 "
                         "точек,\n * байтов в кадре: %4, всего: %5.\n")
              .arg(animation.Count())
              .arg(animation.width)
              .arg(animation.height)
              .arg(bytes)
              .arg(bytes * animation.Count()) +
          LayoutLines(options))
      .toUtf8();
}

// Arduino's cores for other chips give PROGMEM themselves; a compiler for
// anything else has never heard of it.
constexpr char kProgmem[] =
    "#if defined(__AVR__)\n"
    "#include <avr/pgmspace.h>\n"
    "#endif\n"
    "#ifndef PROGMEM\n"
    "#define PROGMEM\n"
    "#endif\n";

QByteArray Lines(const QByteArray& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  QByteArray text;
  text.reserve(bytes.size() * 6 + 8);
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    text += i % kBytesPerLine == 0 ? "    0x" : " 0x";
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
    if (i + 1 < bytes.size()) text += ',';
    if (i % kBytesPerLine == kBytesPerLine - 1 || i + 1 == bytes.size()) text += '\n';
  }
  return text;
}

// Everything after the comment up to the array's first value: the
// includes and the size's definitions (`extra` after them).
QByteArray Head(int width, int height, const CArrayOptions& options, const QByteArray& extra = {}) {
  const QByteArray name = options.name.toLatin1();
  const QByteArray macro = name.toUpper();
  QByteArray text = "#pragma once\n\n#include <stdint.h>\n";
  if (options.progmem) text += kProgmem;
  return text + "\n#define " + macro + "_WIDTH " + QByteArray::number(width) + "\n#define " +
         macro + "_HEIGHT " + QByteArray::number(height) + "\n" + extra + "\nconst uint8_t " +
         name + "[]" + (options.progmem ? " PROGMEM" : "") + " = {\n";
}

constexpr int kDurationsPerLine = 8;

QByteArray Durations(const Animation& animation, const CArrayOptions& options) {
  QByteArray text = "\n/* Сколько миллисекунд показывать каждый кадр. */\nconst uint16_t " +
                    options.name.toLatin1() + "_durations[]" + (options.progmem ? " PROGMEM" : "") +
                    " = {\n";
  for (int i = 0; i < animation.Count(); ++i) {
    text += i % kDurationsPerLine == 0 ? "    " : " ";
    text += QByteArray::number(animation.frames[i].duration);
    if (i + 1 < animation.Count()) text += ',';
    if (i % kDurationsPerLine == kDurationsPerLine - 1 || i + 1 == animation.Count()) text += '\n';
  }
  return text + "};\n";
}

}  // namespace

bool TakenCName(const QString& name) {
  static const QSet<QString> taken = [] {
    QSet<QString> names;
    const char* const words[] = {
        "auto",         "break",         "case",        "char",      "const",
        "continue",     "default",       "do",          "double",    "else",
        "enum",         "extern",        "float",       "for",       "goto",
        "if",           "inline",        "int",         "long",      "register",
        "restrict",     "return",        "short",       "signed",    "sizeof",
        "static",       "struct",        "switch",      "typedef",   "union",
        "unsigned",     "void",          "volatile",    "while",     "_Bool",
        "_Complex",     "_Imaginary",    "alignas",     "alignof",   "and",
        "and_eq",       "asm",           "bitand",      "bitor",     "bool",
        "catch",        "char8_t",       "char16_t",    "char32_t",  "class",
        "compl",        "concept",       "consteval",   "constexpr", "constinit",
        "const_cast",   "co_await",      "co_return",   "co_yield",  "decltype",
        "delete",       "dynamic_cast",  "explicit",    "export",    "false",
        "friend",       "mutable",       "namespace",   "new",       "noexcept",
        "not",          "not_eq",        "nullptr",     "operator",  "or",
        "or_eq",        "private",       "protected",   "public",    "reinterpret_cast",
        "requires",     "static_assert", "static_cast", "template",  "this",
        "thread_local", "throw",         "true",        "try",       "typeid",
        "typename",     "using",         "virtual",     "wchar_t",   "xor",
        "xor_eq",       "uint8_t",       "PROGMEM"};
    for (const char* word : words) names.insert(QLatin1String(word));
    return names;
  }();
  return taken.contains(name);
}

QString ArrayNameFromFileName(const QString& path) {
  const QString name = CIdentifierFromFileName(path);
  return TakenCName(name) ? name + QLatin1Char('_') : name;
}

QByteArray EncodeCArray(const Picture& picture, const CArrayOptions& options) {
  return Comment(picture, options) + Head(picture.width, picture.height, options) +
         Lines(PackDisplayBytes(picture, options.layout, options.set_bit)) + "};\n";
}

QByteArray EncodeCArrayAnimation(const Animation& animation, const CArrayOptions& options) {
  if (animation.Count() == 1) return EncodeCArray(animation.Frame(0), options);
  const QByteArray frames = "#define " + options.name.toLatin1().toUpper() + "_FRAMES " +
                            QByteArray::number(animation.Count()) + "\n";
  QByteArray text = AnimationComment(animation, options) +
                    Head(animation.width, animation.height, options, frames);
  for (int i = 0; i < animation.Count(); ++i) {
    QByteArray lines = Lines(PackDisplayBytes(animation.Frame(i), options.layout, options.set_bit));
    if (i + 1 < animation.Count()) lines.insert(lines.size() - 1, ',');
    text += "    /* кадр " + QByteArray::number(i + 1) + " */\n" + lines;
  }
  return text + "};\n" + Durations(animation, options);
}

}  // namespace tochkograf
