#pragma once

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <mutex>
#include <thread>

namespace tochkograf {

// What a modem does that a program talking to it must bear.
struct ModemQuirks {
  bool echo = true;           // echo on, as at power-up, until ATE0
  bool bare_prompt = false;   // ">" instead of "> "
  bool unsolicited = false;   // +CMTI, RING, +CREG, ^BOOT before each answer
  bool split = false;         // every answer written a few octets at a time
  bool half_typed = false;    // a half-typed command waits in its line at the start
  bool at_prompt = false;     // a former conversation left it waiting for a PDU
  bool silent = false;        // it never answers
  bool no_pdu_mode = false;   // it refuses AT+CMGF=0
  bool keeps_status = false;  // it takes AT+CMGL=4,1 as listing without marking read
  int refuse = 0;             // the message (from 1) it refuses, with `refusal`; 0: none
  QByteArray refusal = "+CMS ERROR: 38";
  int mute_after = -1;  // it falls silent once it has taken this many messages; -1: never
};

// A message in one of the modem's memories.
struct FakeStored {
  int status = 0;  // 0 received unread, 1 received read...
  QByteArray pdu;  // with the service centre's field
};

// A GSM modem on a pseudo-terminal, written from 3GPP TS 27.005 (PDU mode)
// and ITU-T V.250: the program under test opens Port() as it would a USB
// modem's. It answers AT, ATE0/ATE1, AT+CMEE, AT+CMGF, AT+CMGS (the prompt,
// then the PDU in hex up to Ctrl+Z, or ESC that cancels it), AT+CPMS (?, =?
// and the choice of the memory read) and AT+CMGL=4 in its own thread,
// playing `quirks`, and keeps the PDUs it was given and the commands.
class FakeModem {
 public:
  explicit FakeModem(ModemQuirks quirks = {}, QMap<QString, QList<FakeStored>> memories = {})
      : quirks_(std::move(quirks)), memories_(std::move(memories)) {
    if (memories_.isEmpty()) memories_[QStringLiteral("SM")] = {};
    read_memory_ = memories_.firstKey();
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
    port_ = QString::fromLocal8Bit(name);
    // The line passes every octet as it is, before and after the program has it.
    termios raw{};
    tcgetattr(slave_, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
    echo_ = quirks_.echo;
    line_ = quirks_.half_typed ? "AT+CMG" : "";
    in_pdu_ = quirks_.at_prompt;
    thread_ = std::thread([this] { Run(); });
  }
  ~FakeModem() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (master_ >= 0) close(master_);
    if (slave_ >= 0) close(slave_);
  }
  FakeModem(const FakeModem&) = delete;
  FakeModem& operator=(const FakeModem&) = delete;

  QString Port() const { return port_; }
  QList<QByteArray> Given() const {
    std::lock_guard lock(mutex_);
    return given_;
  }
  QStringList Commands() const {
    std::lock_guard lock(mutex_);
    return commands_;
  }
  QMap<QString, QList<FakeStored>> Memories() const {
    std::lock_guard lock(mutex_);
    return memories_;
  }
  QString ReadMemory() const {
    std::lock_guard lock(mutex_);
    return read_memory_;
  }

 private:
  void Run() {
    while (!stop_) {
      pollfd watched{master_, POLLIN, 0};
      if (poll(&watched, 1, 20) <= 0 || !(watched.revents & POLLIN)) continue;
      char bytes[512];
      const ssize_t got = read(master_, bytes, sizeof bytes);
      for (ssize_t i = 0; i < got; ++i) Take(bytes[i]);
    }
  }

  void Take(char byte) {
    if (in_pdu_) return TakePduOctet(byte);
    if (echo_ && !quirks_.silent && !muted_) Write(QByteArray(1, byte));
    if (byte == '\r') {
      const QByteArray line = line_;
      line_.clear();
      Command(line);
    } else if (byte != '\n') {
      line_ += byte;
    }
  }

  void TakePduOctet(char byte) {
    if (byte == '\x1b') {  // cancels the message
      in_pdu_ = false;
      pdu_.clear();
      return Answer("OK");
    }
    if (byte != '\x1a') {
      if (echo_ && !quirks_.silent && !muted_) Write(QByteArray(1, byte));
      pdu_ += byte;
      return;
    }
    in_pdu_ = false;
    const QByteArray hex = pdu_.trimmed();
    pdu_.clear();
    const QByteArray pdu = QByteArray::fromHex(hex);
    // The length AT+CMGS gave counts the octets after the service centre's field.
    const bool is_hex = std::all_of(hex.begin(), hex.end(), [](char c) { return isxdigit(c); });
    if (!is_hex || pdu.isEmpty() || pdu.size() - 1 - uchar(pdu[0]) != length_)
      return Answer("+CMS ERROR: 304");
    if (++offered_ == quirks_.refuse) return Answer(quirks_.refusal);
    {
      std::lock_guard lock(mutex_);
      given_.append(pdu);
    }
    Answer("+CMGS: " + QByteArray::number(offered_) + "\r\n\r\nOK");
    muted_ = muted_ || offered_ == quirks_.mute_after;
  }

  // V.250: the octets before "AT" are no command; what follows it is.
  void Command(const QByteArray& line) {
    const qsizetype at = line.toUpper().indexOf("AT");
    if (at < 0) return;
    const QByteArray command = line.mid(at + 2).toUpper();
    {
      std::lock_guard lock(mutex_);
      commands_ << QString::fromLatin1(line.mid(at));
    }
    if (command.isEmpty() || command == "+CMEE=1" || command == "+CMGF=1") return Answer("OK");
    if (command == "E0" || command == "E1") {
      echo_ = command == "E1";
      return Answer("OK");
    }
    if (command == "+CMGF=0") return Answer(quirks_.no_pdu_mode ? "ERROR" : "OK");
    if (command.startsWith("+CMGS=")) {
      length_ = command.mid(6).toInt();
      in_pdu_ = true;
      return Answer(quirks_.bare_prompt ? ">" : "> ", false);
    }
    if (command.startsWith("+CPMS") || command.startsWith("+CMGL")) return Storage(command);
    Answer("ERROR");
  }

  void Storage(const QByteArray& command) {
    std::unique_lock lock(mutex_);
    QByteArray names;
    for (const QString& memory : memories_.keys())
      names += (names.isEmpty() ? "\"" : ",\"") + memory.toLatin1() + '"';
    const QByteArray counts = QByteArray::number(memories_[read_memory_].size()) + ",50";
    QByteArray answer;
    if (command == "+CPMS=?") {
      answer = "+CPMS: (" + names + "),(" + names + "),(" + names + ")\r\n\r\nOK";
    } else if (command == "+CPMS?") {
      answer = "+CPMS: \"" + read_memory_.toLatin1() + "\"," + counts + ",\"" +
               read_memory_.toLatin1() + "\"," + counts + ",\"" + read_memory_.toLatin1() + "\"," +
               counts + "\r\n\r\nOK";
    } else if (command.startsWith("+CPMS=\"") && command.endsWith('"') &&
               memories_.contains(QString::fromLatin1(command.mid(7).chopped(1)))) {
      read_memory_ = QString::fromLatin1(command.mid(7).chopped(1));
      answer = "+CPMS: " + QByteArray::number(memories_[read_memory_].size()) + ",50\r\n\r\nOK";
    } else if (command == "+CMGL=4" || (command == "+CMGL=4,1" && quirks_.keeps_status)) {
      QList<FakeStored>& stored = memories_[read_memory_];
      for (int i = 0; i < stored.size(); ++i) {
        answer += "+CMGL: " + QByteArray::number(i + 1) + ',' +
                  QByteArray::number(stored[i].status) + ",," +
                  QByteArray::number(stored[i].pdu.size() - 1 - uchar(stored[i].pdu[0])) + "\r\n" +
                  stored[i].pdu.toHex().toUpper() + "\r\n";
        // TS 27.005: a received unread message listed becomes read.
        if (command == "+CMGL=4" && stored[i].status == 0) stored[i].status = 1;
      }
      answer += "\r\nOK";
    } else {
      answer = "+CMS ERROR: 302";
    }
    lock.unlock();
    Answer(answer);
  }

  // A result code as V.250 frames it, with the quirks' lines before it.
  void Answer(const QByteArray& result, bool ended = true) {
    if (quirks_.silent || muted_) return;
    static const QList<QByteArray> unsolicited = {"+CMTI: \"SM\",3", "RING", "+CREG: 1",
                                                  "^BOOT:1234567,0,0,0,6"};
    QByteArray bytes;
    if (quirks_.unsolicited) bytes += "\r\n" + unsolicited[answered_ % unsolicited.size()] + "\r\n";
    ++answered_;
    bytes += "\r\n" + result + (ended ? "\r\n" : "");
    Write(bytes);
  }

  void Write(const QByteArray& bytes) {
    if (!quirks_.split) {
      [[maybe_unused]] const ssize_t written = write(master_, bytes.constData(), bytes.size());
      return;
    }
    for (qsizetype at = 0; at < bytes.size(); at += 3) {
      [[maybe_unused]] const ssize_t written =
          write(master_, bytes.constData() + at, std::min<qsizetype>(3, bytes.size() - at));
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }

  ModemQuirks quirks_;
  int master_ = -1, slave_ = -1;
  QString port_;
  std::thread thread_;
  std::atomic<bool> stop_ = false;
  mutable std::mutex mutex_;
  QMap<QString, QList<FakeStored>> memories_;
  QString read_memory_;
  QList<QByteArray> given_;
  QStringList commands_;
  bool echo_ = true;
  bool in_pdu_ = false;
  QByteArray line_, pdu_;
  int length_ = 0;
  int offered_ = 0;  // messages given, refused ones too
  int answered_ = 0;
  bool muted_ = false;
};

}  // namespace tochkograf
