#pragma once

#include <QByteArray>
#include <QList>

namespace tochkograf {

// One thing a GSM modem said (3GPP TS 27.005 and 27.007, ITU-T V.250).
struct ModemAnswer {
  enum class Kind {
    Line,      // any other line: an information response, an unsolicited one, an echo
    Prompt,    // "> " or a bare ">": the modem waits for a message's PDU
    Ok,        // the final result of a command that did what it was asked
    Error,     // "ERROR", and the like, with no code
    CmsError,  // "+CMS ERROR: <err>", a message service's failure (TS 27.005 3.2.5)
    CmeError,  // "+CME ERROR: <err>", the equipment's (TS 27.007 9.2)
  };
  Kind kind = Kind::Line;
  QByteArray text{};  // the line without its ends and outer spaces
  int code = -1;      // of the two errors: their number; -1 where it is given as words
};

// The longest line the reader keeps; the rest of a longer one is dropped.
// A stored message's line of hex is at most some 360 characters.
constexpr int kLongestModemLine = 1024;

// Reads what the port says, given as it arrives, split anywhere: each line
// ends at CR or LF, empty ones are skipped, and the prompt is taken as soon
// as it stands alone at the start of a line, since nothing ends it. It keeps
// at most one line, however much it is given.
class ModemAnswers {
 public:
  // What `bytes` complete, in order.
  QList<ModemAnswer> Take(const QByteArray& bytes);

 private:
  QByteArray line_;
  bool overlong_ = false;  // the line being read is past the longest kept
};

// What a whole line says.
ModemAnswer ModemAnswerOf(const QByteArray& line);

}  // namespace tochkograf
