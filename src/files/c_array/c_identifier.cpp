#include "files/c_array/c_identifier.h"

#include <QFileInfo>

namespace tochkograf {

namespace {

const QString kNothingLeft = QStringLiteral("picture");

// The Latin spelling of а..я, in lower case; ё comes apart.
constexpr const char* kRussian[32] = {
    "a", "b", "v", "g", "d", "e",  "zh", "z",  "i",  "i",    "k",  "l", "m", "n", "o",  "p",
    "r", "s", "t", "u", "f", "kh", "ts", "ch", "sh", "shch", "ie", "y", "",  "e", "iu", "ia"};

bool Within(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

bool LatinOrDigit(char32_t c) {
  return Within(c, 'a', 'z') || Within(c, 'A', 'Z') || Within(c, '0', '9');
}

// The lower-case spelling of a Russian letter; null for any other character.
const char* Spelling(char32_t c) {
  if (c == U'ё' || c == U'Ё') return "e";
  if (Within(c, U'а', U'я')) return kRussian[c - U'а'];
  if (Within(c, U'А', U'Я')) return kRussian[c - U'А'];
  return nullptr;
}

bool Upper(char32_t c) { return QChar::isUpper(c); }

// An upper-case letter is spelled all in capitals within a word in
// capitals ("ЩИ" gives "SHCHI"), else with only its first letter one.
QString Spelled(const QList<uint>& text, qsizetype at) {
  QString spelling = QString::fromLatin1(Spelling(text[at]));
  if (spelling.isEmpty() || !Upper(text[at])) return spelling;
  const bool next_upper = at + 1 < text.size() && Upper(text[at + 1]);
  const bool next_letter = at + 1 < text.size() && QChar::isLetter(char32_t(text[at + 1]));
  const bool previous_upper = at > 0 && Upper(text[at - 1]);
  if (next_upper || (!next_letter && previous_upper)) return spelling.toUpper();
  spelling[0] = spelling[0].toUpper();
  return spelling;
}

}  // namespace

QString CIdentifierFromFileName(const QString& path) {
  // Names written on some systems keep й and ё as a letter and a mark.
  const QList<uint> text =
      QFileInfo(path).completeBaseName().normalized(QString::NormalizationForm_C).toUcs4();
  QString name;
  bool usable = false;
  for (qsizetype at = 0; at < text.size(); ++at) {
    const char32_t c = text[at];
    if (LatinOrDigit(c) || c == '_') {
      name += QChar(char16_t(c));
      usable = usable || c != '_';
    } else if (Spelling(c)) {
      const QString spelled = Spelled(text, at);
      name += spelled;
      usable = usable || !spelled.isEmpty();
    } else {
      name += u'_';
    }
  }
  if (!usable) return kNothingLeft;
  if (name[0].isDigit()) name.prepend(u'_');
  return name;
}

}  // namespace tochkograf
