#include <QtTest>

#include "fakes/gammu_reading.h"
#include "files/sms/ems_message.h"
#include "files/sms/modem_commands.h"
#include "files/sms/nokia_smart_message.h"
#include "files/sms/phone_number.h"

using namespace tochkograf;

namespace {

// Ink at the first and the last pixel only.
Picture Corners(int width, int height) {
  Picture picture{width, height, {}};
  picture.cells(1, 1) = picture.cells(width, height) = kOn;
  return picture;
}

QString Zeros(int octets) { return QString(2 * octets, u'0'); }

// The PDU as a modem's file gives it: upper-case hex, no spaces.
QString Pdu(const QString& spaced) { return QString(spaced).remove(u' ').toUpper(); }

const QString kTo = QStringLiteral("+79161234567");
// The service centre, first octet, reference and destination.
const QString kHead = QStringLiteral("00 41 00 0B 91 97 61 21 43 65 F7");

QStringList Hex(const QList<QByteArray>& pdus) {
  QStringList hex;
  for (const QByteArray& pdu : pdus) hex << QString::fromLatin1(pdu.toHex().toUpper());
  return hex;
}

}  // namespace

// The messages for a modem, against octets worked out by hand from the
// SMS standard, and read back by gammu's SMS decoder where it is installed.
class SmsMessagesTest : public QObject {
  Q_OBJECT

 private slots:
  void byHand_data();
  void byHand();
  void modemFile();
  void numbers_data();
  void numbers();
  void refused_data();
  void refused();
  void gammuReads_data();
  void gammuReads();
};

void SmsMessagesTest::byHand_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QStringList>("pdus");
  // 16 x 16 small picture; "Hi" in septets after 42 septets of header (6
  // fill bits): UDL 2C.
  QTest::newRow("16x16 with Hi") << "ems" << QSize(16, 16) << "Hi"
                                 << QStringList{Pdu(kHead + "00 00 2C 23 11 21 00 80" + Zeros(30) +
                                                    "01 00 32 0D")};
  QTest::newRow("32x32") << "ems" << QSize(32, 32) << ""
                         << QStringList{Pdu(kHead + "00 04 84 83 10 81 00 80" + Zeros(126) + "01")};
  // The variable picture leaves room for one UCS-2 letter; the rest goes
  // into a second message, concatenated with reference 1234.
  QTest::newRow("72x14 Cyrillic")
      << "ems" << QSize(72, 14) << "Привет"
      << QStringList{Pdu(kHead + "00 08 8C 89 08 04 12 34 02 01 12 81 00 09 0E 80" + Zeros(124) +
                         "01 04 1F"),
                     Pdu(kHead + "00 08 11 06 08 04 12 34 02 02 04 40 04 38 04 32 04 35 04 42")};
  QTest::newRow("operator logo 250 01")
      << "operator" << QSize(72, 14) << ""
      << QStringList{Pdu(kHead + "00 F5 8C 06 05 04 15 82 00 00 52 F0 10 00 48 0E 01 80" +
                         Zeros(124) + "01")};
  // 268 octets: version, picture item (4 + 252), text item (3 + 5), 128 to
  // a message beside the ports and the 8-bit concatenation.
  const QString smart = kHead + "00 F5 %1 0B 05 04 15 8A 00 00 00 03 12 03 %2";
  QTest::newRow("picture message Hello")
      << "picture" << QSize(72, 28) << "Hello"
      << QStringList{Pdu(smart.arg("8C", "01") + "30 02 01 00 00 48 1C 01 80" + Zeros(119)),
                     Pdu(smart.arg("8C", "02") + Zeros(128)),
                     Pdu(smart.arg("18", "03") + Zeros(3) + "01 00 00 05 48 65 6C 6C 6F")};
  // 1545 octets of object: reference 34, length 0602, control, type 02,
  // position 0000, then 128, 96 and the bits; 131 of them to a message.
  QStringList object{Pdu(
      kHead + "00 04 8C 8B 08 04 12 34 0C 01 14 83 34 06 02 00 02 00 00 80 60 80" + Zeros(121))};
  for (int part = 2; part <= 11; ++part)
    object << Pdu(
        kHead +
        QStringLiteral("00 04 8C 8B 08 04 12 34 0C %1 14 83").arg(part, 2, 16, QChar(u'0')) +
        Zeros(131));
  object << Pdu(kHead + "00 04 71 70 08 04 12 34 0C 0C 14 68" + Zeros(103) + "01");
  QTest::newRow("128x96 extended object") << "ems" << QSize(128, 96) << "" << object;
}

void SmsMessagesTest::byHand() {
  QFETCH(QString, kind);
  QFETCH(QSize, size);
  QFETCH(QString, text);
  QFETCH(QStringList, pdus);
  const Picture picture = Corners(size.width(), size.height());
  const PhoneNumber to = *ParsePhoneNumber(kTo);
  QList<QByteArray> made;
  FormatStatus status = FormatStatus::NotEncoded;
  if (kind == "ems")
    status = EmsPdus({EmsPictureObject(picture, 0x1234)}, text, to, 0x1234, made);
  else if (kind == "operator")
    status = NokiaOperatorLogoPdus(picture, {250, 1}, to, made);
  else
    status = NokiaPictureMessagePdus(picture, text, to, 0x12, made);
  QCOMPARE(status, FormatStatus::Ok);
  QCOMPARE(Hex(made), pdus);
}

void SmsMessagesTest::modemFile() {
  QByteArray bytes;
  const SmsOptions options{QStringLiteral("8 916 123-45-67"), QStringLiteral("Hi"), SmsKind::Ems};
  QCOMPARE(EncodeModemCommands(Corners(16, 16), options, {}, bytes), FormatStatus::Ok);
  const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
  QCOMPARE(lines.size(), 5);  // and an empty one after the last CR LF
  QVERIFY(lines[0].startsWith(u'#'));
  QVERIFY(lines[0].contains(u'1'));
  QCOMPARE(lines.mid(1),
           (QStringList{"AT+CMGF=0", "AT+CMGS=52",
                        Pdu("00 41 00 0B 81 98 61 21 43 65 F7 00 00 2C 23 11 21 00 80" + Zeros(30) +
                            "01 00 32 0D"),
                        ""}));
}

// Numbers as people write them; the address gives the digits, an
// international number its type 91, a national one 81.
void SmsMessagesTest::numbers_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("address");  // empty: refused
  const auto row = [](const char* typed, const char* address = "") {
    QTest::newRow(typed) << QString::fromUtf8(typed) << QString::fromUtf8(address);
  };
  const char* moscow = "0B 91 97 61 21 43 65 F7";
  row("+79161234567", moscow);
  row("+7 916 123-45-67", moscow);
  row("+7 (916) 123-45-67", moscow);
  row("+7(916)1234567", moscow);
  row("8 916.123.45.67", "0B 81 98 61 21 43 65 F7");
  row("(495) 123-45-67", "0A 81 94 15 32 54 76");
  row("+7 (916 123-45-67");
  row("+7 916) 123-45-67");
  row("+7 ((916)) 1234567");
  row("+7 () 9161234567");
  row("8 916..123");
  row("8 916 123.");
}

void SmsMessagesTest::numbers() {
  QFETCH(QString, typed);
  QFETCH(QString, address);
  const std::optional<PhoneNumber> number = ParsePhoneNumber(typed);
  QCOMPARE(number ? Pdu(QString::fromLatin1(AddressField(*number).toHex())) : QString(),
           Pdu(address));
}

void SmsMessagesTest::refused_data() {
  QTest::addColumn<QString>("to");
  QTest::addColumn<int>("kind");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<FormatStatus>("status");
  QTest::newRow("letters") << "+7916abc" << int(SmsKind::Ems) << QSize(16, 16)
                           << FormatStatus::BadRecipient;
  QTest::newRow("bracket left open")
      << "+7 (916 1234567" << int(SmsKind::Ems) << QSize(16, 16) << FormatStatus::BadRecipient;
  QTest::newRow("plus alone") << "+" << int(SmsKind::Ems) << QSize(16, 16)
                              << FormatStatus::BadRecipient;
  QTest::newRow("21 digits") << QString(21, u'1') << int(SmsKind::Ems) << QSize(16, 16)
                             << FormatStatus::BadRecipient;
  QTest::newRow("logo 78x21") << kTo << int(SmsKind::OperatorLogo) << QSize(78, 21)
                              << FormatStatus::NotSmsOperatorLogoSize;
  QTest::newRow("caller 72x28") << kTo << int(SmsKind::CallerGroup) << QSize(72, 28)
                                << FormatStatus::NotCallerGroupSize;
  QTest::newRow("picture 72x14") << kTo << int(SmsKind::PictureMessage) << QSize(72, 14)
                                 << FormatStatus::NotPictureMessageSize;
}

void SmsMessagesTest::refused() {
  QFETCH(QString, to);
  QFETCH(int, kind);
  QFETCH(QSize, size);
  QFETCH(FormatStatus, status);
  QByteArray bytes("kept");
  QCOMPARE(EncodeModemCommands(Corners(size.width(), size.height()), {to, QString(), SmsKind(kind)},
                               {}, bytes),
           status);
  QCOMPARE(bytes, QByteArray("kept"));
}

// gammu 1.42 does not join the parts of an extended object, so the
// largest pictures are checked by hand only.
void SmsMessagesTest::gammuReads_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("picture");  // gammu's name for what it found, and the network
  QTest::addColumn<bool>("sent");        // whether the text goes with it
  QTest::newRow("16x16 with Hi") << int(SmsKind::Ems) << QSize(16, 16) << "Hi"
                                 << "EMSFixedBitmap" << true;
  QTest::newRow("32x32") << int(SmsKind::Ems) << QSize(32, 32) << ""
                         << "EMSFixedBitmap" << true;
  QTest::newRow("72x14 Cyrillic") << int(SmsKind::Ems) << QSize(72, 14) << "Привет"
                                  << "EMSVariableBitmap" << true;
  QTest::newRow("operator logo") << int(SmsKind::OperatorLogo) << QSize(72, 14) << ""
                                 << "NokiaOperatorLogo 250 01" << false;
  QTest::newRow("caller group, text not sent") << int(SmsKind::CallerGroup) << QSize(72, 14) << "Hi"
                                               << "NokiaCallerLogo" << false;
  QTest::newRow("picture message") << int(SmsKind::PictureMessage) << QSize(72, 28) << "Hello"
                                   << "NokiaPictureImageLong" << true;
}

void SmsMessagesTest::gammuReads() {
  QFETCH(int, kind);
  QFETCH(QSize, size);
  QFETCH(QString, text);
  QFETCH(QString, picture);
  QFETCH(bool, sent);
  Picture drawn{size.width(), size.height(), {}};
  for (int y = 1; y <= size.height(); ++y)
    for (int x = 1; x <= size.width(); ++x)
      drawn.cells(x, y) = (x * 7 + y * y) % 5 < 2 ? kOn : kOff;
  QByteArray bytes;
  QCOMPARE(EncodeModemCommands(drawn, {kTo, text, SmsKind(kind)}, {250, 1}, bytes),
           FormatStatus::Ok);
  const std::optional<QStringList> read = GammuReading(bytes);
  if (!read) QSKIP("gammu's Python module (python3-gammu) is not installed");
  QStringList expected{QStringLiteral("picture %1 %2 %3")
                           .arg(picture.section(u' ', 0, 0))
                           .arg(size.width())
                           .arg(size.height())};
  expected[0] += u' ' + picture.section(u' ', 1);
  for (int y = 1; y <= size.height(); ++y) {
    QString row;
    for (int x = 1; x <= size.width(); ++x) row += drawn.cells(x, y) == kOn ? u'#' : u'.';
    expected << row;
  }
  if (!text.isEmpty() && sent) expected << QStringLiteral("text ") + text;
  QCOMPARE(*read, expected);
}

QTEST_GUILESS_MAIN(SmsMessagesTest)
#include "tst_sms_messages.moc"
