#include "files/sms/modem_dialogue.h"

#include <QRegularExpression>
#include <algorithm>
#include <cctype>

namespace tochkograf {

namespace {

// The wake-up's tries share one command's time.
constexpr int kWakeTries = 4;
constexpr char kEscape = '\x1b';
constexpr char kCtrlZ = '\x1a';

bool IsRefusal(const ModemAnswer& answer) {
  return answer.kind == ModemAnswer::Kind::Error || answer.kind == ModemAnswer::Kind::CmsError ||
         answer.kind == ModemAnswer::Kind::CmeError;
}

// The quoted names of a +CPMS answer: of `?` the chosen memories with their
// counts ("SM",3,30,...), of `=?` the memories of each use in brackets; the
// first bracket, or the first name, is what is read from.
QStringList FirstMemories(const QByteArray& line) {
  QByteArray rest = line.mid(line.indexOf(':') + 1).trimmed();
  if (rest.startsWith('('))
    rest = rest.mid(1, rest.indexOf(')') - 1);
  else
    rest = rest.left(rest.indexOf(',') < 0 ? rest.size() : rest.indexOf(','));
  QStringList names;
  static const QRegularExpression quoted(QStringLiteral("\"([^\"]*)\""));
  for (const QRegularExpressionMatch& match : quoted.globalMatch(QString::fromLatin1(rest)))
    names << match.captured(1);
  return names;
}

bool IsHex(const QByteArray& line) {
  return !line.isEmpty() && line.size() % 2 == 0 &&
         std::all_of(line.begin(), line.end(), [](char c) { return std::isxdigit(uchar(c)); });
}

// The memories to list: those that hold messages received or kept, but
// "MT" where "SM" or "ME", which it joins, are there.
QStringList MemoriesToList(const QStringList& offered) {
  QStringList memories;
  const bool parts =
      offered.contains(QStringLiteral("SM")) || offered.contains(QStringLiteral("ME"));
  for (const QString& memory : offered)
    if (memory != QStringLiteral("BM") && memory != QStringLiteral("SR") &&
        !(parts && memory == QStringLiteral("MT")) && !memories.contains(memory))
      memories << memory;
  return memories;
}

}  // namespace

ModemDialogue::ModemDialogue(const QList<QByteArray>& pdus, ModemWaits waits)
    : pdus_(pdus), waits_(waits) {
  using Kind = Step::Kind;
  steps_ = {{.kind = Kind::Wake, .command = "AT", .refused = ModemFailure::Kind::Refused},
            {.kind = Kind::Settle},
            {.command = "ATE0"},
            {.command = "AT+CMEE=1"},
            {.command = "AT+CMGF=0", .refused = ModemFailure::Kind::NoPduMode}};
}

ModemDialogue ModemDialogue::Sending(const QList<QByteArray>& pdus, ModemWaits waits) {
  ModemDialogue dialogue(pdus, waits);
  for (int i = 0; i < pdus.size(); ++i)
    dialogue.steps_.push_back({.kind = Step::Kind::Message, .message = i});
  return dialogue;
}

ModemDialogue ModemDialogue::Listing(ModemWaits waits) {
  ModemDialogue dialogue({}, waits);
  dialogue.steps_.push_back({.command = "AT+CPMS?", .collect = Collect::ChosenMemory});
  dialogue.steps_.push_back({.command = "AT+CPMS=?", .collect = Collect::Memories});
  return dialogue;
}

QByteArray ModemDialogue::Start(qint64 now) { return Begin(now); }

QByteArray ModemDialogue::Begin(qint64 now) {
  if (steps_.empty()) {
    finished_ = true;
    return {};
  }
  const Step& step = steps_.front();
  switch (step.kind) {
    case Step::Kind::Wake:
      ++tries_;
      deadline_ = now + waits_.answer / kWakeTries;
      return (tries_ == 1 ? QByteArray(1, kEscape) : QByteArray()) + step.command + '\r';
    case Step::Kind::Settle:
      // After a try that went unanswered, its answer may yet come: the
      // port is given as long again as that try had.
      settled_by_ = now + waits_.answer / kWakeTries;
      deadline_ = missed_ ? settled_by_ : now + waits_.settle;
      return {};
    case Step::Kind::Command:
      deadline_ = now + waits_.answer;
      return step.command + '\r';
    case Step::Kind::Message:
      if (cancelled_) {
        Fail({.kind = ModemFailure::Kind::Cancelled});
        return {};
      }
      prompted_ = false;
      deadline_ = now + waits_.answer;
      return "AT+CMGS=" + QByteArray::number(pdus_[step.message].size() - 1) + '\r';
  }
  return {};
}

QByteArray ModemDialogue::Next(qint64 now) {
  steps_.pop_front();
  return Begin(now);
}

QByteArray ModemDialogue::Heard(const QByteArray& bytes, qint64 now) {
  QByteArray written;
  const QList<ModemAnswer> answers = answers_.Take(bytes);
  if (finished_) return {};
  if (steps_.front().kind == Step::Kind::Settle) {
    // Late answers to the wake-up's earlier tries are let go by, and an OK
    // to the ESC before the first.
    if (!missed_) deadline_ = std::min(now + waits_.settle, settled_by_);
    return {};
  }
  for (const ModemAnswer& answer : answers) {
    if (finished_) break;
    written += Answer(answer, now);
  }
  return written;
}

QByteArray ModemDialogue::Answer(const ModemAnswer& answer, qint64 now) {
  using Kind = ModemAnswer::Kind;
  Step& step = steps_.front();
  switch (step.kind) {
    case Step::Kind::Wake:
      if (answer.kind == Kind::Ok) return Next(now);
      if (!IsRefusal(answer)) return {};
      if (tries_ < kWakeTries) return Begin(now);
      return Refused(answer, now);
    case Step::Kind::Settle:
      return {};
    case Step::Kind::Command:
      if (answer.kind == Kind::Line) Collected(answer.text, now);
      if (answer.kind == Kind::Ok) {
        if (step.collect == Collect::Memories) ListEachMemory();
        return Next(now);
      }
      return IsRefusal(answer) ? Refused(answer, now) : QByteArray();
    case Step::Kind::Message:
      if (!prompted_ && answer.kind == Kind::Prompt) {
        if (cancelled_) {
          Fail({.kind = ModemFailure::Kind::Cancelled});
          return QByteArray(1, kEscape);
        }
        prompted_ = true;
        deadline_ = now + waits_.message;
        return pdus_[step.message].toHex().toUpper() + kCtrlZ;
      }
      // An OK before the prompt is a late one of some earlier command.
      if (prompted_ && answer.kind == Kind::Ok) {
        ++sent_;
        return Next(now);
      }
      if (IsRefusal(answer))
        Fail({.kind = ModemFailure::Kind::MessageRefused,
              .command = "AT+CMGS=" + QByteArray::number(pdus_[step.message].size() - 1),
              .refusal = answer,
              .message = step.message + 1});
      return {};
  }
  return {};
}

QByteArray ModemDialogue::Refused(const ModemAnswer& refusal, qint64 now) {
  Step& step = steps_.front();
  if (step.refused != ModemFailure::Kind::None) {
    Fail({.kind = step.refused, .command = step.command, .refusal = refusal});
    return {};
  }
  if (!step.fallback.isEmpty()) {
    step.command = step.fallback;
    step.fallback.clear();
    return Begin(now);
  }
  if (step.chooses)
    while (steps_.size() > 1 && steps_[1].memory == step.memory && !steps_[1].chooses)
      steps_.erase(steps_.begin() + 1);
  if (step.collect == Collect::Memories) ListEachMemory();
  return Next(now);
}

QByteArray ModemDialogue::Tick(qint64 now) {
  if (finished_ || now < deadline_) return {};
  const Step& step = steps_.front();
  switch (step.kind) {
    case Step::Kind::Wake:
      missed_ = true;
      if (tries_ < kWakeTries) return Begin(now);
      Fail(
          {.kind = ModemFailure::Kind::NoAnswer, .command = step.command, .waited = waits_.answer});
      return {};
    case Step::Kind::Settle:
      return Next(now);
    case Step::Kind::Command:
      Fail(
          {.kind = ModemFailure::Kind::NoAnswer, .command = step.command, .waited = waits_.answer});
      return {};
    case Step::Kind::Message:
      Fail({.kind = ModemFailure::Kind::MessageUnanswered,
            .message = step.message + 1,
            .waited = prompted_ ? waits_.message : waits_.answer});
      // A prompt that comes late would take whatever is written next as a PDU.
      return prompted_ ? QByteArray() : QByteArray(1, kEscape);
  }
  return {};
}

QByteArray ModemDialogue::Cancel() {
  if (finished_) return {};
  cancelled_ = true;
  // A message under way is answered first; the next is not begun.
  if (steps_.front().kind != Step::Kind::Message) Fail({.kind = ModemFailure::Kind::Cancelled});
  return {};
}

void ModemDialogue::Collected(const QByteArray& line, qint64 now) {
  const Step& step = steps_.front();
  switch (step.collect) {
    case Collect::Nothing:
      return;
    case Collect::ChosenMemory:
      if (line.startsWith("+CPMS:") && !FirstMemories(line).isEmpty())
        chosen_memory_ = FirstMemories(line).first();
      return;
    case Collect::Memories:
      if (line.startsWith("+CPMS:")) memories_ = FirstMemories(line);
      return;
    case Collect::Messages:
      break;
  }
  // Past the most it keeps, the listing is let run out of time.
  if (stored_.size() >= std::size_t(kMostStoredMessages)) return;
  if (line.startsWith("+CMGL:")) {
    const QList<QByteArray> fields = line.mid(6).split(',');
    bool index_number = false, status_number = false;
    pending_ = {step.memory,
                fields.value(0).trimmed().toInt(&index_number),
                fields.value(1).trimmed().toInt(&status_number),
                {}};
    header_ = index_number && status_number;
  } else if (header_ && IsHex(line)) {
    pending_.pdu = QByteArray::fromHex(line);
    stored_.push_back(pending_);
    header_ = false;
  } else {
    return;
  }
  // A long listing goes on as long as its lines keep coming.
  deadline_ = now + waits_.answer;
}

void ModemDialogue::ListEachMemory() {
  std::vector<Step> listing;
  const auto list = [&listing](const QString& memory) {
    listing.push_back({.command = "AT+CMGL=4,1",
                       .collect = Collect::Messages,
                       .memory = memory,
                       .fallback = "AT+CMGL=4"});
  };
  const auto choose = [&listing](const QString& memory) {
    listing.push_back(
        {.command = "AT+CPMS=\"" + memory.toLatin1() + '"', .memory = memory, .chooses = true});
  };
  const QStringList memories = MemoriesToList(memories_);
  if (memories.isEmpty()) list(chosen_memory_);
  for (const QString& memory : memories) {
    choose(memory);
    list(memory);
  }
  if (!memories.isEmpty() && !chosen_memory_.isEmpty() && memories.last() != chosen_memory_)
    choose(chosen_memory_);
  steps_.insert(steps_.begin() + 1, listing.begin(), listing.end());
}

void ModemDialogue::Fail(ModemFailure failure) {
  failure_ = std::move(failure);
  finished_ = true;
}

}  // namespace tochkograf
