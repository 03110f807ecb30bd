#include "files/c_array/c_array_scan.h"

#include <string_view>
#include <vector>

#include "files/c_array/run_length.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

// Braces nested deeper than this hold no array of bytes; the depth is only
// counted beyond it, so that memory stays bounded.
constexpr int kMostDepth = 64;
// Definitions of sizes kept, and the longest name taken for an array's or
// a definition's; longer ones are passed over.
constexpr int kMostDefinitions = 256;
constexpr int kLongestName = 255;
// A number's value is not needed beyond this: any larger is too large.
constexpr int kAboveByte = 256;
// A comment "next to" the array ends at most this many lines above the
// line that names it.
constexpr int kCommentLines = 2;
// The most characters of a refused value a message quotes.
constexpr int kLongestValue = 40;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsWordChar(char c) { return IsLetter(c) || IsDigit(c); }

int DigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// The value of an integer literal, at most kAboveByte; -1 where it is no
// integer literal (a float, a bad digit).
int LiteralValue(std::string_view word) {
  int base = 10;
  size_t at = 0;
  if (word.size() > 1 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    base = 16, at = 2;
  } else if (word.size() > 1 && word[0] == '0' && (word[1] == 'b' || word[1] == 'B')) {
    base = 2, at = 2;
  } else if (word[0] == '0') {
    base = 8;
  }
  const size_t digits = at;
  int value = 0;
  for (; at < word.size() && DigitValue(word[at]) < base; ++at)
    value = std::min(kAboveByte, value * base + DigitValue(word[at]));
  if (at == digits && base != 8) return -1;
  for (; at < word.size(); ++at)
    if (word[at] != 'u' && word[at] != 'U' && word[at] != 'l' && word[at] != 'L') return -1;
  return value;
}

// Arduino's binary constants: B followed by one to eight binary digits.
int ArduinoBinary(std::string_view word) {
  if (word.size() < 2 || word.size() > 9 || word[0] != 'B') return -1;
  int value = 0;
  for (size_t at = 1; at < word.size(); ++at) {
    if (word[at] != '0' && word[at] != '1') return -1;
    value = value * 2 + (word[at] - '0');
  }
  return value;
}

bool EndsWith(std::string_view word, std::string_view end) {
  return word.size() > end.size() && word.substr(word.size() - end.size()) == end;
}

// "W x H" in a comment: two numbers with x, X, × or the Russian х between,
// spaces allowed around it; only sizes the editor can hold.
std::optional<QSize> SizeInComment(std::string_view text) {
  static constexpr std::string_view kCrosses[] = {"x", "X", "\u00d7", "\u0445", "\u0425"};
  size_t at = 0;
  while (at < text.size()) {
    if (!IsDigit(text[at]) || (at > 0 && IsWordChar(text[at - 1]))) {
      ++at;
      continue;
    }
    size_t end = at;
    int width = 0;
    while (end < text.size() && IsDigit(text[end]))
      width = std::min(1000, width * 10 + text[end++] - '0');
    at = end;
    while (end < text.size() && text[end] == ' ') ++end;
    size_t after_cross = 0;
    for (std::string_view cross : kCrosses)
      if (text.substr(end, cross.size()) == cross) after_cross = end + cross.size();
    if (after_cross == 0) continue;
    end = after_cross;
    while (end < text.size() && text[end] == ' ') ++end;
    int height = 0;
    const size_t digits = end;
    while (end < text.size() && IsDigit(text[end]))
      height = std::min(1000, height * 10 + text[end++] - '0');
    if (end > digits && FitsEditor(width, height)) return QSize(width, height);
  }
  return std::nullopt;
}

// The option after `key` in a comment ("--layout rows-lsb"), if any.
std::string_view OptionAfter(std::string_view text, std::string_view key) {
  const size_t found = text.rfind(key);
  if (found == std::string_view::npos) return {};
  size_t at = found + key.size(), end = at;
  while (end < text.size() && (IsWordChar(text[end]) || text[end] == '-')) ++end;
  return text.substr(at, end - at);
}

QString Latin(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

struct Definition {
  std::string_view prefix;  // the name without _WIDTH or _HEIGHT
  bool width;
  int value;
  size_t at;  // where in the text
};

enum class Kind { Word, Number, Punct, Other, End };

struct Token {
  Kind kind = Kind::End;
  char punct = 0;
  std::string_view word;  // Word
  int value = 0;          // Number: its value, at most kAboveByte
  int line = 0;
  size_t at = 0;
};

// A brace not yet closed.
struct Open {
  bool list = false;  // may still be a list of byte values
  qint64 start = 0;   // the index of its first value among those of the list it is in
  // The first list closed within it, by the same indices.
  qint64 child_start = -1, child_end = -1;
};

// The list that started after `name[...] =`, while it may be the array.
struct Candidate {
  std::string_view name;
  int name_line = 0;
  size_t name_at = 0;
  int values_line = 0;  // of its first value; 0 before it
  std::optional<QSize> comment_size;
  std::optional<ByteLayout> layout;
  std::optional<SetBit> set_bit;
  bool packed = false;
};

class Scanner {
 public:
  explicit Scanner(const QByteArray& text) : text_(text.constData(), size_t(text.size())) {}

  FormatStatus Run(CArrayScan& scan, CArrayRefusal* refusal);

 private:
  char At(size_t at) const { return at < text_.size() ? text_[at] : '\0'; }
  Token Next();
  void SkipLine();
  void SkipBlockComment();
  void SkipQuoted(char quote);
  void ReadDirective();
  void NoteComment(size_t start, size_t end);
  void NoteDefinition(std::string_view name, int value, size_t at);

  void Take(const Token& token);
  void OpenBrace();
  void CloseBrace();
  void AddValue(const Token& token);
  bool InList() const { return !stack_.empty() && stack_.back().list; }
  // Something that cannot be in a list of bytes: the lists open now are
  // none, though one closed within them may be the array.
  void Spoil();
  void Found(qint64 start, qint64 end);
  void Refuse(bool above_byte);

  std::optional<QSize> DefinedSize() const;

  std::string_view text_;
  size_t at_ = 0;
  int line_ = 1;
  bool line_start_ = true;  // nothing but spaces yet on this line

  // What comments before the array said.
  std::optional<QSize> comment_size_;
  int comment_size_line_ = 0;  // the comment's last line
  std::optional<ByteLayout> comment_layout_;
  std::optional<SetBit> comment_set_bit_;
  bool comment_packed_ = false;

  std::vector<Definition> definitions_;

  Token previous_, before_previous_;
  bool bracket_ = false;  // a '[' since the statement began
  std::string_view declared_;
  int declared_line_ = 0;
  size_t declared_at_ = 0;
  std::vector<Open> stack_;
  int too_deep_ = 0;
  Candidate candidate_;
  QByteArray values_;
  qint64 counted_ = 0;
  bool above_byte_ = false;
  // The start of the list's value being read, and the first value refused.
  Token element_;
  std::optional<CArrayRefusal> refusal_;

  bool found_ = false;
  Candidate array_;
  QByteArray array_bytes_;
  qint64 array_count_ = 0;
};

void Scanner::SkipLine() {
  while (at_ < text_.size() && text_[at_] != '\n') ++at_;
}

void Scanner::SkipBlockComment() {
  const size_t start = at_;
  at_ += 2;
  while (at_ < text_.size() && !(text_[at_] == '*' && At(at_ + 1) == '/')) {
    if (text_[at_] == '\n') ++line_;
    ++at_;
  }
  NoteComment(start, at_);
  at_ = std::min(text_.size(), at_ + 2);
}

// A string or character constant ends at its quote or, unterminated, at
// the end of its line.
void Scanner::SkipQuoted(char quote) {
  ++at_;
  while (at_ < text_.size() && text_[at_] != quote && text_[at_] != '\n') {
    if (text_[at_] == '\\' && At(at_ + 1) != '\n') ++at_;
    ++at_;
  }
  if (At(at_) == quote) ++at_;
}

// A preprocessor line: "#define NAME 128" is noted where NAME gives a
// size; the rest of the line, continued lines too, is passed over.
void Scanner::ReadDirective() {
  ++at_;
  const auto skip_spaces = [this] {
    while (At(at_) == ' ' || At(at_) == '\t') ++at_;
  };
  const auto word = [this] {
    const size_t start = at_;
    while (IsWordChar(At(at_))) ++at_;
    return text_.substr(start, at_ - start);
  };
  skip_spaces();
  if (word() == "define") {
    skip_spaces();
    const size_t start = at_;
    const std::string_view name = word();
    skip_spaces();
    const bool parenthesis = At(at_) == '(';
    if (parenthesis) ++at_;
    skip_spaces();
    const int value = IsDigit(At(at_)) ? LiteralValue(word()) : -1;
    skip_spaces();
    if (value >= 0 && (!parenthesis || At(at_) == ')')) NoteDefinition(name, value, start);
  }
  while (at_ < text_.size() && text_[at_] != '\n') {
    if (text_[at_] == '/' && At(at_ + 1) == '*') {
      SkipBlockComment();
    } else if (text_[at_] == '/' && At(at_ + 1) == '/') {
      const size_t start = at_;
      SkipLine();
      NoteComment(start, at_);
    } else {
      if (text_[at_] == '\\' && At(at_ + 1) == '\n') ++at_, ++line_;
      ++at_;
    }
  }
}

Token Scanner::Next() {
  while (at_ < text_.size()) {
    const char c = text_[at_];
    if (c == '\n') {
      ++line_, ++at_;
      line_start_ = true;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
      ++at_;
    } else if (c == '/' && At(at_ + 1) == '/') {
      const size_t start = at_;
      SkipLine();
      NoteComment(start, at_);
    } else if (c == '/' && At(at_ + 1) == '*') {
      SkipBlockComment();
    } else if (c == '#' && line_start_) {
      ReadDirective();
    } else {
      break;
    }
  }
  Token token;
  token.line = line_;
  token.at = at_;
  if (at_ >= text_.size()) return token;
  line_start_ = false;
  const char c = text_[at_];
  if (IsWordChar(c) || (c == '.' && IsDigit(At(at_ + 1)))) {
    // A number runs on through letters and points, as the preprocessor
    // reads it: "1.5f" and "0x1g" are one token, and no integer.
    const size_t start = at_;
    const bool number = !IsLetter(c);
    while (IsWordChar(At(at_)) || (number && At(at_) == '.')) ++at_;
    token.word = text_.substr(start, at_ - start);
    const int value = IsLetter(c) ? ArduinoBinary(token.word)
                      : c == '.'  ? -1
                                  : LiteralValue(token.word);
    token.kind = value >= 0 ? Kind::Number : IsLetter(c) ? Kind::Word : Kind::Other;
    token.value = value;
    return token;
  }
  if (c == '"' || c == '\'') {
    SkipQuoted(c);
    token.kind = Kind::Other;
    return token;
  }
  ++at_;
  token.kind = Kind::Punct;
  token.punct = c;
  return token;
}

void Scanner::NoteComment(size_t start, size_t end) {
  if (found_) return;
  const std::string_view comment = text_.substr(start, end - start);
  if (const std::optional<QSize> size = SizeInComment(comment)) {
    comment_size_ = size;
    comment_size_line_ = line_;
  }
  if (const std::string_view option = OptionAfter(comment, "--layout "); !option.empty())
    if (const auto layout = LayoutOfOption(Latin(option))) comment_layout_ = layout;
  if (const std::string_view option = OptionAfter(comment, "--set-bit "); !option.empty())
    if (const auto meaning = SetBitOfOption(Latin(option))) comment_set_bit_ = meaning;
  if (OptionAfter(comment, "--compress ") == "rle") comment_packed_ = true;
}

void Scanner::NoteDefinition(std::string_view name, int value, size_t at) {
  if (definitions_.size() >= size_t(kMostDefinitions) || name.size() > size_t(kLongestName)) return;
  static constexpr struct {
    std::string_view end;
    bool width;
  } kEnds[] = {{"_WIDTH", true}, {"_width", true}, {"_HEIGHT", false}, {"_height", false}};
  for (const auto& end : kEnds)
    if (EndsWith(name, end.end))
      definitions_.push_back({name.substr(0, name.size() - end.end.size()), end.width, value, at});
}

// The value being read where it keeps the list from being an array of
// bytes: from its start to the next comma, brace or end of line.
void Scanner::Refuse(bool above_byte) {
  if (refusal_ || found_) return;
  size_t end = element_.at;
  while (end < text_.size() &&
         std::string_view(",};\n\r").find(text_[end]) == std::string_view::npos)
    ++end;
  QString value = QString::fromUtf8(text_.substr(element_.at, end - element_.at)).trimmed();
  if (value.size() > kLongestValue) value = value.left(kLongestValue) + QChar(0x2026);
  refusal_ = CArrayRefusal{value, element_.line, above_byte};
}

void Scanner::Spoil() {
  if (InList()) Refuse(false);
  qsizetype outer = 0;
  while (outer < qsizetype(stack_.size()) && !stack_[size_t(outer)].list) ++outer;
  for (size_t i = size_t(outer); i < stack_.size(); ++i) {
    if (stack_[i].child_start >= 0) Found(stack_[i].child_start, stack_[i].child_end);
    stack_[i].list = false;
  }
}

void Scanner::Found(qint64 start, qint64 end) {
  if (found_ || start >= values_.size()) return;  // beyond what was kept: passed over
  found_ = true;
  array_ = candidate_;
  array_bytes_ = values_.mid(start, std::min<qint64>(end, values_.size()) - start);
  array_count_ = end - start;
}

void Scanner::OpenBrace() {
  if (too_deep_ > 0 || stack_.size() >= size_t(kMostDepth)) {
    Spoil();
    ++too_deep_;
    return;
  }
  Open open;
  if (InList()) {
    open.list = previous_.punct == '{' || previous_.punct == ',';
    if (!open.list) Spoil();
  } else if (previous_.punct == '=' && bracket_ && !found_) {
    open.list = true;
    candidate_ = Candidate();
    candidate_.name = declared_;
    candidate_.name_line = declared_line_;
    candidate_.name_at = declared_at_;
    values_.clear();
    counted_ = 0;
  }
  open.start = counted_;
  stack_.push_back(open);
  bracket_ = false;
}

void Scanner::CloseBrace() {
  bracket_ = false;
  if (too_deep_ > 0) {
    --too_deep_;
    return;
  }
  if (stack_.empty()) return;
  const Open closed = stack_.back();
  stack_.pop_back();
  if (!closed.list) return;
  const bool ends_well =
      previous_.kind == Kind::Number || previous_.punct == ',' || previous_.punct == '}';
  if (!ends_well || counted_ == closed.start) {
    Spoil();
    return;
  }
  if (!InList()) {
    Found(closed.start, counted_);
    return;
  }
  Open& parent = stack_.back();
  if (parent.child_start < 0) parent.child_start = closed.start, parent.child_end = counted_;
}

void Scanner::AddValue(const Token& token) {
  if (previous_.punct != '{' && previous_.punct != ',') {
    Spoil();
    return;
  }
  if (token.value >= kAboveByte) {
    above_byte_ = true;
    Refuse(true);
    Spoil();
    return;
  }
  if (counted_ == 0) {
    candidate_.values_line = token.line;
    if (comment_size_line_ >= candidate_.name_line - kCommentLines)
      candidate_.comment_size = comment_size_;
    candidate_.layout = comment_layout_;
    candidate_.set_bit = comment_set_bit_;
    candidate_.packed = comment_packed_;
  }
  if (counted_ < kMostArrayBytes) values_ += static_cast<char>(token.value);
  ++counted_;
}

void Scanner::Take(const Token& token) {
  if (previous_.punct == '{' || previous_.punct == ',') element_ = token;
  if (token.kind == Kind::Number && !InList() && previous_.punct == '=' &&
      before_previous_.kind == Kind::Word)
    NoteDefinition(before_previous_.word, token.value, before_previous_.at);
  switch (token.punct) {
    case '{':
      OpenBrace();
      return;
    case '}':
      CloseBrace();
      return;
    case ',':
      if (InList() && previous_.kind != Kind::Number && previous_.punct != '}') Spoil();
      return;
    case ';':
      bracket_ = false;
      if (InList()) Spoil();
      return;
    case '[':
      if (InList()) Spoil();
      bracket_ = true;
      if (previous_.kind == Kind::Word && previous_.word.size() <= size_t(kLongestName))
        declared_ = previous_.word, declared_line_ = previous_.line, declared_at_ = previous_.at;
      return;
    default:
      break;
  }
  if (!InList()) return;
  if (token.kind == Kind::Number)
    AddValue(token);
  else
    Spoil();
}

std::optional<QSize> Scanner::DefinedSize() const {
  // Those named after the array first, the longest such name; else the
  // last pair before the array.
  const auto lower = [](std::string_view text) { return Latin(text).toLower(); };
  const QString array = lower(array_.name);
  std::optional<QSize> best;
  qsizetype best_length = -1;
  for (const Definition& w : definitions_) {
    if (!w.width) continue;
    for (const Definition& h : definitions_) {
      if (h.width || h.prefix != w.prefix || !FitsEditor(w.value, h.value)) continue;
      const QString prefix = lower(w.prefix);
      if (!prefix.isEmpty() && array.startsWith(prefix) && prefix.size() > best_length) {
        best = QSize(w.value, h.value);
        best_length = prefix.size();
      }
    }
  }
  if (best) return best;
  const Definition* last_width = nullptr;
  const Definition* last_height = nullptr;
  for (const Definition& d : definitions_) {
    if (d.at > array_.name_at) continue;
    (d.width ? last_width : last_height) = &d;
  }
  if (last_width && last_height && last_width->prefix == last_height->prefix &&
      FitsEditor(last_width->value, last_height->value))
    return QSize(last_width->value, last_height->value);
  return std::nullopt;
}

FormatStatus Scanner::Run(CArrayScan& scan, CArrayRefusal* refusal) {
  for (Token token = Next(); token.kind != Kind::End; token = Next()) {
    if (token.kind == Kind::Number && token.value < 0) token.kind = Kind::Other;
    Take(token);
    before_previous_ = previous_;
    previous_ = token;
  }
  if (!found_) {
    if (refusal && refusal_) *refusal = *refusal_;
    return above_byte_ ? FormatStatus::NotBytes : FormatStatus::NoArray;
  }
  scan.bytes = array_bytes_;
  scan.count = array_count_;
  scan.name = Latin(array_.name);
  scan.line = array_.values_line;
  scan.size = DefinedSize();
  if (!scan.size) scan.size = array_.comment_size;
  scan.layout = array_.layout;
  scan.set_bit = array_.set_bit;
  // Packed as this program packs it: the size and the layout tell the frames.
  if (array_.packed && scan.size && scan.layout) {
    const int width = scan.size->width();
    scan.bytes =
        UnpackRuns(array_bytes_, DisplayByteCount(width, scan.size->height(), *scan.layout),
                   PackingStep(width, *scan.layout), kMostArrayBytes);
    scan.count = scan.bytes.size();
  }
  return FormatStatus::Ok;
}

}  // namespace

FormatStatus ScanCArray(const QByteArray& text, CArrayScan& scan, CArrayRefusal* refusal) {
  return Scanner(text).Run(scan, refusal);
}

QString ScanFailureReason(FormatStatus status, const CArrayRefusal& refusal) {
  if (refusal.line == 0) return FormatFailureReason(status);
  if (refusal.above_byte)
    return QStringLiteral("в строке %1 в массиве число %2, а байт не бывает больше 255")
        .arg(refusal.line)
        .arg(Quoted(refusal.value));
  return QStringLiteral(
             "в тексте нет массива байтов: в строке %1 значение %2 — не число от 0 до 255 "
             "(приведения типов, знаки и выражения не читаются)")
      .arg(refusal.line)
      .arg(Quoted(refusal.value));
}

}  // namespace tochkograf
