// The conversation with a modem on a clock of the test's own, for what
// only time shows: answers that come late, and listings that never end.

#include <QtTest>
#include <functional>
#include <map>

#include "files/sms/modem_dialogue.h"

using namespace tochkograf;

namespace {

// A modem's answer to a command (without its CR), or to a PDU (ending in
// Ctrl+Z), given the time and how often it has met the command: what it
// says, each part at its time.
using Modem = std::function<std::multimap<qint64, QByteArray>(const QByteArray& command, int met,
                                                              qint64 now)>;

// Plays `modem` to `dialogue` until it ends, giving up after 100000 turns.
void Converse(ModemDialogue& dialogue, const Modem& modem) {
  std::multimap<qint64, QByteArray> said;
  QMap<QByteArray, int> met;
  const auto hear = [&](const QByteArray& written, qint64 now) {
    QByteArray command;
    for (const char byte : written) {
      if (byte == '\x1b') continue;
      command += byte;
      if (byte != '\r' && byte != '\x1a') continue;
      if (command.endsWith('\r')) command.chop(1);
      said.merge(modem(command, ++met[command], now));
      command.clear();
    }
  };
  hear(dialogue.Start(0), 0);
  for (int turn = 0; turn < 100000 && !dialogue.Finished(); ++turn) {
    if (!said.empty() && said.begin()->first <= dialogue.Deadline()) {
      const auto [now, bytes] = *said.begin();
      said.erase(said.begin());
      hear(dialogue.Heard(bytes, now), now);
    } else {
      hear(dialogue.Tick(dialogue.Deadline()), dialogue.Deadline());
    }
  }
}

}  // namespace

class ModemDialogueTest : public QObject {
  Q_OBJECT

 private slots:
  void keepsTime_data();
  void keepsTime();
};

void ModemDialogueTest::keepsTime_data() {
  QTest::addColumn<bool>("listing");
  QTest::addColumn<int>("late");      // the first AT's OK comes so late, in ms
  QTest::addColumn<bool>("endless");  // AT+CMGL lists without end
  QTest::addColumn<QString>("told");  // the failure, a part of it; empty: none
  QTest::newRow("at once") << false << 0 << false << QString();
  // Its OK must not be taken for AT+CMGF=0's.
  QTest::newRow("first AT answered late, no PDU mode")
      << false << 3000 << false << "не принимает AT+CMGF=0";
  QTest::newRow("endless listing") << true << 0 << true << "AT+CMGL=4,1 за 10 с";
}

void ModemDialogueTest::keepsTime() {
  QFETCH(bool, listing);
  QFETCH(int, late);
  QFETCH(bool, endless);
  QFETCH(QString, told);
  ModemDialogue dialogue = listing ? ModemDialogue::Listing()
                                   : ModemDialogue::Sending({QByteArray(10, '\0'), "\x01\x02"});
  Converse(dialogue, [&](const QByteArray& command, int met, qint64 now) {
    std::multimap<qint64, QByteArray> said;
    const qint64 soon = now + 100;
    if (command == "AT" && met == 1 && late) return decltype(said){{now + late, "\r\nOK\r\n"}};
    if (command == "AT+CMGF=0" && late) return decltype(said){{soon, "\r\nERROR\r\n"}};
    if (command.startsWith("AT+CMGS=")) return decltype(said){{soon, "\r\n> "}};
    if (command.endsWith('\x1a')) return decltype(said){{soon, "\r\n+CMGS: 7\r\n\r\nOK\r\n"}};
    if (command.startsWith("AT+CMGL") && endless) {
      // Longer than Converse() plays: endless, as far as it can tell.
      for (int i = 0; i < 150000; ++i) said.insert({now + i, "+CMGL: 1,0,,1\r\n0001\r\n"});
      return said;
    }
    said.insert({soon, "\r\nOK\r\n"});
    return said;
  });
  QVERIFY(dialogue.Finished());
  const QString failure = ModemFailureText(dialogue.Failure(), dialogue.Sent(), dialogue.Total());
  QVERIFY2(told.isEmpty() ? failure.isEmpty() : failure.contains(told), qPrintable(failure));
  QCOMPARE(dialogue.Sent(), told.isEmpty() ? dialogue.Total() : 0);
  QCOMPARE(int(dialogue.Stored().size()), endless ? kMostStoredMessages : 0);
}

QTEST_GUILESS_MAIN(ModemDialogueTest)
#include "tst_modem_dialogue.moc"
