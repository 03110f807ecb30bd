#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "files/sms/modem_answers.h"
#include "files/sms/modem_failure.h"

namespace tochkograf {

// A message kept in one of a modem's memories, as AT+CMGL lists it in PDU
// mode.
struct StoredMessage {
  QString memory;  // "SM", "ME"... as the modem names it; empty where it names none
  int index = 0;   // its place there
  int status = 0;  // 0 received unread, 1 received read, 2 stored unsent, 3 stored sent
  QByteArray pdu;  // with the service centre's field first, as the modem gives it
};

// The most messages a listing keeps, whatever the modem claims to hold; a
// modem that lists more is given no more time for them.
constexpr int kMostStoredMessages = 10000;

// How long a conversation waits, in milliseconds.
struct ModemWaits {
  int answer = 10000;   // for the answer to a command, or for a message's prompt
  int message = 60000;  // for the network to take a message given to the modem
  int settle = 200;     // for the port to fall quiet once the modem has woken at once
};

// The conversation with a GSM modem in PDU mode (3GPP TS 27.005, 27.007),
// as a machine that is told what the port says and when, and says what to
// write; it never reads a clock or a port itself, so it can be driven
// from an event loop, a blocking loop or a test.
//
// It wakes the modem with AT, a few times where the answer is ERROR (a
// half-typed line before it) or nothing comes, the first after an ESC that
// leaves a message prompt a former conversation left open; then ATE0,
// AT+CMEE=1 (numeric error codes; either may be refused), AT+CMGF=0. Each
// command has `answer` milliseconds; the wake-up, all of its tries
// together; once it has woken, what the port says is let go by until it has
// been quiet for `settle` (after a try that went unanswered, for as long as
// a try has, since that try's answer may come yet). Echoes, unsolicited
// lines and stray OKs between a command and its answer are passed over. Nothing is retried once it
// is past the wake-up, and nothing is deleted.
class ModemDialogue {
 public:
  // Sends each of `pdus` (service centre's field first, as sms_submit.h
  // makes them) with AT+CMGS=<n>, the PDU in hex and Ctrl+Z once the prompt
  // has come, waiting for +CMGS and OK before the next. A refusal or a
  // message left unanswered ends the sending.
  static ModemDialogue Sending(const QList<QByteArray>& pdus, ModemWaits waits = {});

  // Lists every stored message with AT+CMGL=4 (all of them), in each memory
  // that AT+CPMS=? names for reading (but broadcasts and status reports, and
  // "MT", which is "SM" and "ME" together), choosing each with AT+CPMS and
  // choosing the one it found chosen again at the end. It first asks
  // AT+CMGL=4,1, which some modems take as listing without marking unread
  // messages read, and plain AT+CMGL=4 where that is refused. A memory that
  // cannot be chosen or listed is passed over.
  static ModemDialogue Listing(ModemWaits waits = {});

  // What to write first, at `now` (milliseconds of any steady clock).
  QByteArray Start(qint64 now);
  // What to write once the port has said `bytes` at `now`.
  QByteArray Heard(const QByteArray& bytes, qint64 now);
  // What to write at `now`, once Deadline() has come.
  QByteArray Tick(qint64 now);
  // When the conversation next needs Tick(), while it has not finished.
  qint64 Deadline() const { return deadline_; }
  // Stops before the next message, or at once where none is being sent;
  // what to write (an ESC, where the modem waits for a PDU).
  QByteArray Cancel();

  bool Finished() const { return finished_; }
  const ModemFailure& Failure() const { return failure_; }
  int Sent() const { return sent_; }
  int Total() const { return int(pdus_.size()); }
  const std::vector<StoredMessage>& Stored() const { return stored_; }

 private:
  enum class Collect { Nothing, ChosenMemory, Memories, Messages };
  // One command and what its answer means.
  struct Step {
    enum class Kind { Wake, Settle, Command, Message };
    Kind kind = Kind::Command;
    QByteArray command{};  // without its CR
    // A refusal ends the conversation with this; None: the step is passed over.
    ModemFailure::Kind refused = ModemFailure::Kind::None;
    Collect collect = Collect::Nothing;
    QString memory{};       // the memory the command chooses or lists
    bool chooses = false;   // it chooses `memory`: its refusal passes over the listing
    QByteArray fallback{};  // the command asked instead where this one is refused
    int message = 0;        // Message: which of the PDUs, from 0
  };

  ModemDialogue(const QList<QByteArray>& pdus, ModemWaits waits);
  QByteArray Begin(qint64 now);
  QByteArray Refused(const ModemAnswer& refusal, qint64 now);
  QByteArray Answer(const ModemAnswer& answer, qint64 now);
  QByteArray Next(qint64 now);
  void Collected(const QByteArray& line, qint64 now);
  void Fail(ModemFailure failure);
  void ListEachMemory();

  QList<QByteArray> pdus_;
  ModemWaits waits_;
  ModemAnswers answers_;
  std::deque<Step> steps_;
  qint64 deadline_ = 0;
  int tries_ = 0;          // of the wake-up
  bool missed_ = false;    // a try of the wake-up went unanswered
  qint64 settled_by_ = 0;  // the latest the port may take to fall quiet
  bool prompted_ = false;  // the current message's prompt has come
  bool cancelled_ = false;
  bool finished_ = false;
  ModemFailure failure_;
  int sent_ = 0;
  QString chosen_memory_;  // the reading memory chosen before the listing
  QStringList memories_;   // those AT+CPMS=? offers for reading
  bool header_ = false;    // a +CMGL line waits for its PDU
  StoredMessage pending_;
  std::vector<StoredMessage> stored_;
};

}  // namespace tochkograf
