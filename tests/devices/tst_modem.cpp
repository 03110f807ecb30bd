// The conversations with a modem, against a modem emulator of our own on a
// pseudo-terminal (fakes/fake_modem.h) that plays what real modems do.

#include <sys/stat.h>

#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "devices/modem_runs.h"
#include "devices/modem_session.h"
#include "devices/serial_port.h"
#include "fakes/child_process.h"
#include "fakes/fake_modem.h"
#include "fakes/gammu_reading.h"
#include "fakes/modem_file.h"
#include "fakes/pictures.h"
#include "files/sms/modem_commands.h"

using namespace tochkograf;

Q_DECLARE_METATYPE(tochkograf::ModemQuirks)

namespace {

// Short enough for a test, long enough for a loaded machine.
constexpr ModemWaits kWaits{.answer = 2000, .message = 2000, .settle = 50};

// A picture message of three parts.
const Picture kPicture = RandomPicture(72, 28, 7);
const SmsOptions kOptions{QStringLiteral("+79161234567"), QStringLiteral("Hello"),
                          SmsKind::PictureMessage};

// The .at export's file for the picture.
QByteArray Exported() {
  QByteArray file;
  EncodeModemCommands(kPicture, kOptions, {}, file);
  return file;
}

}  // namespace

class ModemTest : public QObject {
  Q_OBJECT

 private slots:
  void sends_data();
  void sends();
  void portProblems_data();
  void portProblems();
  void listsStoredMessages_data();
  void listsStoredMessages();
};

void ModemTest::sends_data() {
  QTest::addColumn<ModemQuirks>("quirks");
  QTest::addColumn<bool>("cancel");  // after the first message
  QTest::addColumn<int>("sent");
  QTest::addColumn<QString>("told");  // what the reason says; empty: all went
  QTest::newRow("echo on") << ModemQuirks{} << false << 3 << QString();
  QTest::newRow("bare prompt, no echo")
      << ModemQuirks{.echo = false, .bare_prompt = true} << false << 3 << QString();
  QTest::newRow("unsolicited lines") << ModemQuirks{.unsolicited = true} << false << 3 << QString();
  QTest::newRow("answers in pieces")
      << ModemQuirks{.unsolicited = true, .split = true} << false << 3 << QString();
  QTest::newRow("half-typed line") << ModemQuirks{.half_typed = true} << false << 3 << QString();
  QTest::newRow("left at a prompt") << ModemQuirks{.at_prompt = true} << false << 3 << QString();
  QTest::newRow("network out of order") << ModemQuirks{.refuse = 2} << false << 1
                                        << "модем отказался отправить SMS 2 из 3: сеть не работает "
                                           "(+CMS ERROR: 38); отправлено 1 из 3";
  QTest::newRow("no service centre")
      << ModemQuirks{.refuse = 1, .refusal = "+CMS ERROR: 330"} << false << 0
      << "не задан номер SMS-центра (+CMS ERROR: 330); отправлено 0 из 3";
  QTest::newRow("no SIM card, said by the equipment")
      << ModemQuirks{.refuse = 3, .refusal = "+CME ERROR: 10"} << false << 2
      << "нет SIM-карты (+CME ERROR: 10); отправлено 2 из 3";
  QTest::newRow("a code of its own")
      << ModemQuirks{.refuse = 1, .refusal = "+CMS ERROR: 517"} << false << 0
      << "SMS 1 из 3: +CMS ERROR: 517; отправлено 0 из 3";
  QTest::newRow("never answers") << ModemQuirks{.silent = true} << false << 0
                                 << "модем не ответил на AT за 2 с; отправлено 0 из 3";
  QTest::newRow("no PDU mode") << ModemQuirks{.no_pdu_mode = true} << false << 0
                               << "не принимает AT+CMGF=0";
  QTest::newRow("falls silent") << ModemQuirks{.mute_after = 1} << false << 1
                                << "модем не ответил на SMS 2 из 3 за 2 с; отправлено 1 из 3";
  QTest::newRow("cancelled") << ModemQuirks{} << true << 1
                             << "отправка отменена; отправлено 1 из 3";
}

// What goes is what the export writes, message for message, and what gammu
// reads of it the same; what fails is said with how many went.
void ModemTest::sends() {
  QFETCH(ModemQuirks, quirks);
  QFETCH(bool, cancel);
  QFETCH(int, sent);
  QFETCH(QString, told);
  const QList<QByteArray> exported = PdusOfModemFile(Exported());
  QCOMPARE(exported.size(), 3);
  QList<QByteArray> pdus;
  QCOMPARE(ModemPdus(Animation::Of(kPicture), kPicture, kOptions, {}, pdus), FormatStatus::Ok);
  FakeModem modem(quirks);
  ModemSession session({modem.Port()}, ModemDialogue::Sending(pdus, kWaits));
  QSignalSpy finished(&session, &ModemSession::Finished);
  QList<int> reported;
  connect(&session, &ModemSession::Sent, this, [&](int count, int total) {
    reported << count;
    QCOMPARE(total, 3);
    if (cancel) session.Cancel();
  });
  session.Start();
  QVERIFY(finished.wait(60000));
  const ModemOutcome outcome = finished.first().first().value<ModemOutcome>();
  QCOMPARE(outcome.ok, told.isEmpty());
  QVERIFY2(outcome.reason.contains(told) && (told.isEmpty() == outcome.reason.isEmpty()),
           qPrintable(outcome.reason));
  QCOMPARE(outcome.sent, sent);
  QCOMPARE(reported.size(), sent);
  QCOMPARE(modem.Given(), exported.mid(0, sent));
  QVERIFY(!modem.Commands().contains(QStringLiteral("AT+CMGD"), Qt::CaseInsensitive));
  // gammu joins the parts of a whole message only.
  if (sent < 3) return;
  const std::optional<QStringList> read = GammuReading(ModemFileOf(modem.Given()));
  if (!read) QSKIP("gammu's Python module is not installed");
  QVERIFY2(read->contains(QStringLiteral("text Hello")), qPrintable(read->join(u'\n')));
  QCOMPARE(*read, *GammuReading(Exported()));
}

void ModemTest::portProblems_data() {
  QTest::addColumn<QString>("problem");
  QTest::addColumn<QString>("told");
  QTest::newRow("missing") << "missing"
                           << "порта /nonexistent/ttyUSB9 нет";
  QTest::newRow("busy") << "busy"
                        << "занят другой программой";
  QTest::newRow("not a port") << "file"
                              << "не последовательный порт";
  QTest::newRow("forbidden") << "forbidden"
                             << "группу dialout";
}

// A port that cannot be opened is named with why; one the user may not
// open names the group that gives the right.
void ModemTest::portProblems() {
  QFETCH(QString, problem);
  QFETCH(QString, told);
  FakeModem modem;
  QTemporaryDir folder;
  ModemPort port{modem.Port()};
  QSerialPort holder;
  if (problem == QStringLiteral("missing")) port.name = QStringLiteral("/nonexistent/ttyUSB9");
  if (problem == QStringLiteral("file")) port.name = folder.path();
  if (problem == QStringLiteral("busy")) QVERIFY(OpenModemPort(port, holder) == PortStatus::Ok);
  if (problem == QStringLiteral("forbidden")) {
    // Root may open anything: the child gives root up.
    QCOMPARE(chmod(port.name.toLocal8Bit().constData(), 0), 0);
    const int status = RunInChild(
        [&port] {
          QSerialPort serial;
          return int(OpenModemPort(port, serial));
        },
        {.unprivileged = true});
    QVERIFY(PortFailureText(PortStatus(status), port).contains(told));
    return;
  }
  const ModemOutcome outcome = SendThroughModem(port, {QByteArray(3, '\0')}, {}, kWaits);
  QVERIFY(!outcome.ok);
  QVERIFY2(outcome.reason.contains(told), qPrintable(outcome.reason));
  QVERIFY(modem.Commands().isEmpty());
}

void ModemTest::listsStoredMessages_data() {
  QTest::addColumn<ModemQuirks>("quirks");
  QTest::addColumn<bool>("phone_memory");  // "ME" beside "SM"
  QTest::addColumn<QStringList>("found");  // "memory index status hex"
  QTest::addColumn<QString>("told");
  const QStringList two{"SM 1 0 00AB", "SM 2 3 0001CD", "ME 1 1 00EF"};
  QTest::newRow("one memory") << ModemQuirks{} << false << two.mid(0, 2) << QString();
  // The modem names its memories in their names' order.
  QTest::newRow("two memories, status kept") << ModemQuirks{.keeps_status = true} << true
                                             << QStringList{two[2], two[0], two[1]} << QString();
  QTest::newRow("in pieces, among other lines")
      << ModemQuirks{.unsolicited = true, .split = true} << true
      << QStringList{two[2], two[0], two[1]} << QString();
  QTest::newRow("never answers") << ModemQuirks{.silent = true} << false << QStringList{}
                                 << "не ответил на AT";
}

// Every message of every memory, as the modem keeps it; none deleted, the
// memory read from chosen again at the end, and none marked read where the
// modem can list without marking.
void ModemTest::listsStoredMessages() {
  QFETCH(ModemQuirks, quirks);
  QFETCH(bool, phone_memory);
  QFETCH(QStringList, found);
  QFETCH(QString, told);
  QMap<QString, QList<FakeStored>> kept{
      {QStringLiteral("SM"),
       {{0, QByteArray::fromHex("00AB")}, {3, QByteArray::fromHex("0001CD")}}}};
  if (phone_memory) kept[QStringLiteral("ME")] = {{1, QByteArray::fromHex("00EF")}};
  FakeModem modem(quirks, kept);
  const QString first_read = modem.ReadMemory();
  std::vector<StoredMessage> listed;
  const ModemOutcome outcome = ListStoredMessages({modem.Port()}, listed, kWaits);
  QVERIFY2(outcome.reason.contains(told) && outcome.ok == told.isEmpty(),
           qPrintable(outcome.reason));
  QStringList seen;
  for (const StoredMessage& message : listed)
    seen << QStringLiteral("%1 %2 %3 %4")
                .arg(message.memory)
                .arg(message.index)
                .arg(message.status)
                .arg(QString::fromLatin1(message.pdu.toHex().toUpper()));
  QCOMPARE(seen, found);
  QCOMPARE(modem.ReadMemory(), first_read);
  for (const QString& memory : kept.keys())
    QCOMPARE(modem.Memories()[memory].size(), kept[memory].size());
  if (quirks.keeps_status) QCOMPARE(modem.Memories()[QStringLiteral("SM")].first().status, 0);
}

QTEST_GUILESS_MAIN(ModemTest)
#include "tst_modem.moc"
