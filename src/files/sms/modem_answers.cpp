#include "files/sms/modem_answers.h"

namespace tochkograf {

namespace {

// The code after the colon of a "+CMS ERROR:" or "+CME ERROR:", or -1 where
// the modem gave words (verbose results) instead.
int ErrorCode(const QByteArray& rest) {
  bool number = false;
  const int code = rest.trimmed().toInt(&number);
  return number && code >= 0 ? code : -1;
}

}  // namespace

ModemAnswer ModemAnswerOf(const QByteArray& line) {
  using Kind = ModemAnswer::Kind;
  const QByteArray text = line.trimmed();
  if (text == "OK") return {Kind::Ok, text};
  if (text == ">") return {Kind::Prompt, text};
  // Some modems refuse a command they do not know in words of their own.
  if (text == "ERROR" || text == "COMMAND NOT SUPPORT") return {Kind::Error, text};
  for (const auto& [head, kind] : {std::pair{QByteArray("+CMS ERROR:"), Kind::CmsError},
                                   std::pair{QByteArray("+CME ERROR:"), Kind::CmeError}})
    if (text.startsWith(head)) return {kind, text, ErrorCode(text.mid(head.size()))};
  return {Kind::Line, text};
}

QList<ModemAnswer> ModemAnswers::Take(const QByteArray& bytes) {
  QList<ModemAnswer> answers;
  for (const char byte : bytes) {
    if (byte == '\r' || byte == '\n') {
      if (!overlong_ && !line_.trimmed().isEmpty()) answers.append(ModemAnswerOf(line_));
      line_.clear();
      overlong_ = false;
      continue;
    }
    if (line_.size() >= kLongestModemLine) {
      overlong_ = true;
      continue;
    }
    line_ += byte;
  }
  // The prompt has no end; a line that starts so and has more is something else.
  if (!overlong_ && (line_ == ">" || line_ == "> ")) {
    answers.append({ModemAnswer::Kind::Prompt, ">"});
    line_.clear();
  }
  return answers;
}

}  // namespace tochkograf
