#include <QtTest>
#include <memory>

#include "commands/transfer/export_command.h"
#include "commands/transfer/send_to_phone.h"
#include "fakes/document_harness.h"
#include "fakes/file_bytes.h"
#include "fakes/modem_file.h"
#include "fakes/scripted_file_dialogs.h"
#include "fakes/side_windows.h"
#include "files/sms/modem_commands.h"
#include "picture/frames.h"

using namespace tochkograf;

namespace {

// Answers the export's questions as scripted; an empty script cancels.
struct ScriptedPhoneDialogs : PhoneExportDialogs {
  std::optional<SmsOptions> sms;
  std::optional<NetworkCode> network;
  QStringList asked;

  bool AskSms(const Animation& frames, const Picture&, SmsOptions& options,
              NetworkCode& code) override {
    asked << QStringLiteral("SMS %1 x %2").arg(frames.width).arg(frames.height);
    if (frames.Count() > 1) asked.last() += QStringLiteral(", %1 frames").arg(frames.Count());
    if (!sms) return false;
    options = *sms;
    code = network.value_or(NetworkCode{});
    return true;
  }
  bool AskNetworkCode(NetworkCode& code) override {
    asked << QStringLiteral("network");
    if (!network) return false;
    code = *network;
    return true;
  }
};

// Answers "Отправить на телефон..." as scripted, and keeps what it is given
// to send; no answers cancel.
struct ScriptedSending : PhoneSending {
  std::optional<SendingAnswers> answers;
  int frames_asked = 0;
  std::optional<ModemPort> port;
  QList<QByteArray> pdus;

  bool AskSending(const Animation& frames, const Picture&, SendingAnswers& given) override {
    frames_asked = frames.Count();
    if (!answers) return false;
    given = *answers;
    return true;
  }
  void Send(const ModemPort& to, const QList<QByteArray>& sent) override {
    port = to;
    pdus = sent;
  }
};

}  // namespace

// "Экспорт..." to the phones' types: the questions after the file dialog,
// and what their answers write.
class PhoneExportTest : public QObject {
  Q_OBJECT

 private slots:
  void answersWritten_data();
  void answersWritten();
  void sizeProblems_data();
  void sizeProblems();
  void sendsWhatTheExportWrites_data();
  void sendsWhatTheExportWrites();
};

void PhoneExportTest::answersWritten_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<bool>("answered");
  QTest::addColumn<QString>("asked");
  QTest::newRow("modem") << "pic.at" << QSize(16, 16) << true << "SMS 16 x 16";
  QTest::newRow("modem, 4 frames") << "pic.at" << QSize(16, 16) << true << "SMS 16 x 16, 4 frames";
  QTest::newRow("modem, cancelled") << "pic.at" << QSize(16, 16) << false << "SMS 16 x 16";
  QTest::newRow("operator logo") << "logo.nol" << QSize(72, 14) << true << "network";
  QTest::newRow("operator logo, cancelled") << "logo.nol" << QSize(72, 14) << false << "network";
  QTest::newRow("png asks nothing") << "pic.png" << QSize(16, 16) << true << "";
  QTest::newRow("logo of another size, refused unasked")
      << "logo.nol" << QSize(16, 16) << false << "";
}

void PhoneExportTest::answersWritten() {
  QFETCH(QString, name);
  QFETCH(QSize, size);
  QFETCH(bool, answered);
  QFETCH(QString, asked);
  QTemporaryDir dir;
  DocumentHarness h;
  h.state.MX = size.width();
  h.state.MY = size.height();
  FillRandom(h.state.Pixels, 9);
  const bool animated = QByteArray(QTest::currentDataTag()).contains("frames");
  for (int added = 0; animated && added < 3; ++added) AddBlankFrame(h.state);
  ScriptedFileDialogs files;
  QObject owner;
  DocumentCommands commands(h.context, files, dir.path(), &owner);
  ScriptedPhoneDialogs phone;
  const SmsOptions sms{QStringLiteral("+79161234567"), QStringLiteral("Hi"), SmsKind::Ems};
  if (answered) {
    phone.sms = sms;
    phone.network = NetworkCode{250, 1};
  }
  files.Choose(dir.path(), {name});
  FakeSideWindows windows;
  fileexport(commands, windows, &phone);
  QCOMPARE(phone.asked.join(u' '), asked);
  // Only the refused size has a message, naming the sizes the type takes.
  QCOMPARE(h.messages.failures.size(), size == QSize(16, 16) && name.endsWith(".nol") ? 1 : 0);
  const QString path = dir.filePath(name);
  QCOMPARE(QFileInfo::exists(path), answered);
  const Picture picture{size.width(), size.height(), h.state.Pixels};
  QByteArray expected;
  if (animated) {
    // The large animation's element, its frames after it.
    QVERIFY(Contents(path).contains("0E8100"));
  } else if (name.endsWith(".at")) {
    QCOMPARE(EncodeModemCommands(picture, sms, {}, expected), FormatStatus::Ok);
    QCOMPARE(Contents(path), answered ? expected : QByteArray("<unreadable>"));
  } else if (name.endsWith(".nol") && answered) {
    QCOMPARE(Contents(path).mid(6, 4), QByteArray::fromHex("FA000100"));  // MCC 250, MNC 1
  }
}

void PhoneExportTest::sizeProblems_data() {
  QTest::addColumn<QString>("to");
  QTest::addColumn<int>("kind");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QString>("problem");  // a part of it; empty: none
  QTest::newRow("national") << "8 916 123 45 67" << int(SmsKind::Ems) << QSize(5, 5) << "";
  QTest::newRow("no number") << "" << int(SmsKind::Ems) << QSize(5, 5) << "омер получателя";
  QTest::newRow("logo") << "+7916" << int(SmsKind::OperatorLogo) << QSize(72, 28)
                        << "Логотип оператора Nokia должен быть 72 x 14 точек.";
  QTest::newRow("caller") << "+7916" << int(SmsKind::CallerGroup) << QSize(72, 28)
                          << "Картинка группы Nokia должна быть 72 x 14 точек.";
  QTest::newRow("picture") << "+7916" << int(SmsKind::PictureMessage) << QSize(72, 14)
                           << "Картинка-сообщение Nokia должна быть 72 x 28 точек.";
}

void PhoneExportTest::sizeProblems() {
  QFETCH(QString, to);
  QFETCH(int, kind);
  QFETCH(QSize, size);
  QFETCH(QString, problem);
  const Picture picture{size.width(), size.height(), {}};
  QString found;
  for (const SmsProblem& each :
       SmsProblems(Animation::Of(picture), picture, {to, QString(), SmsKind(kind)}, {{250, 1}}))
    found += QString(each.text).replace(u'\u00a0', u' ');
  QVERIFY2(problem.isEmpty() ? found.isEmpty() : found.contains(problem), qPrintable(found));
}

// "Отправить на телефон..." gives the modem the messages the .at export
// writes for the same frames and answers, on the port chosen; cancelled,
// nothing. The document stays as it was.
void PhoneExportTest::sendsWhatTheExportWrites_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("frames");
  QTest::addColumn<int>("kind");
  QTest::addColumn<bool>("answered");
  QTest::newRow("picture") << QSize(16, 16) << 1 << int(SmsKind::Ems) << true;
  QTest::newRow("four frames") << QSize(16, 16) << 4 << int(SmsKind::Ems) << true;
  QTest::newRow("logo of the current of two frames")
      << QSize(72, 14) << 2 << int(SmsKind::OperatorLogo) << true;
  QTest::newRow("cancelled") << QSize(16, 16) << 1 << int(SmsKind::Ems) << false;
}

void PhoneExportTest::sendsWhatTheExportWrites() {
  QFETCH(QSize, size);
  QFETCH(int, frames);
  QFETCH(int, kind);
  QFETCH(bool, answered);
  DocumentHarness h;
  h.state.MX = size.width();
  h.state.MY = size.height();
  for (int added = 1; added < frames; ++added) {
    FillRandom(h.state.Pixels, added);
    AddBlankFrame(h.state);
  }
  FillRandom(h.state.Pixels, 9);
  const DocumentState before = h.state;
  const SendingAnswers answers{
      {QStringLiteral("8 916 123-45-67"), QStringLiteral("Hi"), SmsKind(kind)},
      {250, 1},
      {QStringLiteral("/dev/ttyUSB1"), 9600}};
  ScriptedSending sending;
  if (answered) sending.answers = answers;
  SendToPhone(h.state, sending, h.messages);
  QCOMPARE(sending.frames_asked, frames);
  QVERIFY(SameDocument(h.state, before));
  QCOMPARE(h.messages.failures.size(), 0);
  QCOMPARE(sending.port.has_value(), answered);
  if (!answered) return;
  QCOMPARE(sending.port->name, QStringLiteral("/dev/ttyUSB1"));
  QCOMPARE(sending.port->speed, 9600);
  QByteArray file;
  QCOMPARE(EncodeModemCommands(AnimationOf(h.state),
                               Picture{size.width(), size.height(), h.state.Pixels}, answers.sms,
                               answers.network, file),
           FormatStatus::Ok);
  QCOMPARE(sending.pdus, PdusOfModemFile(file));
}

QTEST_GUILESS_MAIN(PhoneExportTest)
#include "tst_phone_export.moc"
