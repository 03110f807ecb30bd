#include "files/fonts/char_list.h"

#include <QSet>
#include <algorithm>

#include "files/status_texts.h"

namespace tochkograf {

namespace {

constexpr char32_t kLastCode = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800, kLastSurrogate = 0xDFFF;
// The codes a list may name, repeats counted: more than any font holds that
// a display takes, and few enough that a list like "0-1114111" costs
// nothing before it is refused.
constexpr qint64 kMostCodes = 65536;

bool IsDigit(QChar c, bool hex) {
  const char16_t u = c.unicode();
  return (u >= '0' && u <= '9') || (hex && ((u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')));
}

// A code as the list writes it, "1025" or "U+0401", one past the last
// character where it is larger; none where it is neither.
std::optional<char32_t> ReadCode(const QString& written, QString* error) {
  QString text = written.trimmed();
  const bool hex = text.startsWith(QStringLiteral("U+"), Qt::CaseInsensitive);
  if (hex) text = text.mid(2);
  // toULongLong takes signs and spaces, which a code has no place for; the
  // length keeps it from overflowing.
  bool digits = !text.isEmpty() && text.size() <= 16;
  for (const QChar c : text) digits = digits && IsDigit(c, hex);
  bool number = false;
  const qulonglong code = digits ? text.toULongLong(&number, hex ? 16 : 10) : 0;
  if (!number) {
    *error = QStringLiteral(
                 "%1 — не код символа: нужно десятичное число или U+ и "
                 "шестнадцатеричное (32, U+0410)")
                 .arg(Quoted(written.trimmed()));
    return std::nullopt;
  }
  return char32_t(std::min<qulonglong>(code, kLastCode + 1));
}

bool IsSurrogate(char32_t code) { return code >= kFirstSurrogate && code <= kLastSurrogate; }

// Why the codes from..to can't be characters, or nothing. The halves of
// surrogate pairs within a range are passed over; a range can't start or
// end at one.
QString RangeRefusal(const QString& item, char32_t from, char32_t to) {
  if (from > to)
    return QStringLiteral("в диапазоне %1 первый код больше последнего").arg(Quoted(item));
  if (to > kLastCode)
    return QStringLiteral("в %1 код больше последнего символа Юникода, %2")
        .arg(Quoted(item), CodeText(kLastCode));
  if (IsSurrogate(from) || IsSurrogate(to))
    return QStringLiteral("в %1 код из %2–%3: это половинки суррогатных пар, а не символы")
        .arg(Quoted(item), CodeText(kFirstSurrogate), CodeText(kLastSurrogate));
  return {};
}

}  // namespace

std::optional<QList<char32_t>> ParseCharList(const QString& text, QString* error) {
  QString ignored;
  QString& reason = error ? *error : ignored;
  if (text.trimmed().isEmpty()) {
    reason = QStringLiteral("список символов пуст");
    return std::nullopt;
  }
  QList<char32_t> codes;
  QSet<char32_t> seen;
  qint64 named = 0;
  for (const QString& piece : text.split(u',')) {
    const QString item = piece.trimmed();
    if (item.isEmpty()) {
      reason = QStringLiteral("в списке символов пустой элемент между запятыми");
      return std::nullopt;
    }
    const QStringList ends = item.split(u'-');
    if (ends.size() > 2) {
      reason = QStringLiteral("%1 — не код и не диапазон «от-до»").arg(Quoted(item));
      return std::nullopt;
    }
    const std::optional<char32_t> from = ReadCode(ends.first(), &reason);
    if (!from) return std::nullopt;
    const std::optional<char32_t> to = ReadCode(ends.last(), &reason);
    if (!to) return std::nullopt;
    if (reason = RangeRefusal(item, *from, *to); !reason.isEmpty()) return std::nullopt;
    named += qint64(*to) - *from + 1;
    if (named > kMostCodes) {
      reason = QStringLiteral("в списке больше %1 символов").arg(kMostCodes);
      return std::nullopt;
    }
    for (char32_t code = *from; code <= *to; ++code)
      if (!IsSurrogate(code) && !seen.contains(code)) {
        seen.insert(code);
        codes << code;
      }
  }
  reason.clear();
  return codes;
}

QString CodeText(char32_t code) {
  return QStringLiteral("U+%1").arg(qulonglong(code), 4, 16, QLatin1Char('0')).toUpper();
}

QString CharacterText(char32_t code) {
  QString text = CodeText(code);
  if (QChar::isPrint(code) && !QChar::isSpace(code))
    text += QStringLiteral(" «%1»").arg(QString::fromUcs4(&code, 1));
  return text;
}

}  // namespace tochkograf
