#include <QtTest>

#include "fakes/gammu_reading.h"
#include "files/sms/ems_message.h"
#include "files/sms/phone_number.h"
#include "images/file_formats.h"

using namespace tochkograf;

namespace {

const FileFormat& Type(const QString& extension) {
  return *FormatOfName(BuiltInFormats(), QStringLiteral("a.") + extension);
}

// Frame k has ink at (k + 1, 1), at (1, 2) and at its last pixel, and is
// shown for durations[k] ms.
Animation Frames(QSize size, const QList<int>& durations) {
  Animation animation{size.width(), size.height(), {}};
  for (int k = 0; k < durations.size(); ++k) {
    Picture frame{size.width(), size.height(), {}};
    frame.cells(k + 1, 1) = frame.cells(1, 2) = frame.cells(size.width(), size.height()) = kOn;
    animation.frames.push_back({PackedBlock::Of(frame.cells), durations[k]});
  }
  return animation;
}

QByteArray Zeros(int octets) { return QByteArray(2 * octets, '0'); }
// Hex as written here, spaced for reading.
QByteArray Hex(const char* spaced) { return QByteArray(spaced).replace(' ', ""); }
// The frames of Frames() in hex, worked out by hand: 16 and 8 wide, rows are
// whole octets, so (1, 2) starts the third or the second octet.
QByteArray Frame16(const char* first, int height = 16) {
  return first + Hex(" 00 80") + Zeros(2 * height - 4) + "01";
}
QByteArray Frame8(const char* first) { return first + Hex(" 80") + Zeros(5) + "01"; }
// 5 x 3 runs on: (1, 2) is bit 5 of the first octet, the last pixel bit 14,
// then one bit of padding.
const QByteArray kThree5x3 = Hex("84 02  44 02  24 02");
// 32 wide: (1, 2) starts the fifth octet.
QByteArray Frame32(const char* first) { return first + Hex(" 000000 80") + Zeros(122) + "01"; }

// The service centre, first octet, reference and destination +79161234567.
const QByteArray kHead = Hex("00 41 00 0B 91 97 61 21 43 65 F7");

}  // namespace

// Animations in the phones' types, through the rows of the type table the
// export uses, against octets worked out by hand from the EMS standard.
class PhoneAnimationsTest : public QObject {
  Q_OBJECT

 private slots:
  void elementLine_data();
  void elementLine();
  void elementLineRead_data();
  void elementLineRead();
  void messagesByHand_data();
  void messagesByHand();
  void gammuReads_data();
  void gammuReads();
};

void PhoneAnimationsTest::elementLine_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QList<int>>("durations");
  QTest::addColumn<FormatStatus>("status");
  QTest::addColumn<QByteArray>("hex");
  QTest::addColumn<int>("shown");  // the ms each frame of the line reads back as
  const QList<int> four{500, 500, 500, 500};
  QTest::newRow("4 x 16x16, large")
      << QSize(16, 16) << four << FormatStatus::Ok
      << Hex("0E 81 00") + Frame16("80") + Frame16("40") + Frame16("20") + Frame16("10") << 500;
  QTest::newRow("4 x 8x8, small") << QSize(8, 8) << four << FormatStatus::Ok
                                  << Hex("0F 21 00") + Frame8("80") + Frame8("40") + Frame8("20") +
                                         Frame8("10")
                                  << 500;
  QTest::newRow("1 x 16x16, a picture") << QSize(16, 16) << QList<int>{700} << FormatStatus::Ok
                                        << Hex("11 21 00") + Frame16("80") << kNewFrameDuration;
  QTest::newRow("1 x 32x32, a picture") << QSize(32, 32) << QList<int>{500} << FormatStatus::Ok
                                        << Hex("10 81 00") + Frame32("80") << 500;
  // Two octets wide, three rows.
  QTest::newRow("1 x 16x3, a variable picture")
      << QSize(16, 3) << QList<int>{500} << FormatStatus::Ok
      << Hex("12 09 00 02 03") + Frame16("80", 3) << 500;
  // Extended object: reference 00, data length, control 00, type 06,
  // position 0000; width, height, frames, 0.5 s endless (4 << 4 | 0).
  QTest::newRow("3 x 16x16, extended object")
      << QSize(16, 16) << QList<int>{500, 500, 500} << FormatStatus::Ok
      << Hex("14 6B  00 0064 00 06 0000  10 10 03 40") + Frame16("80") + Frame16("40") +
             Frame16("20")
      << 500;
  QTest::newRow("4 x 16x8, extended object")
      << QSize(16, 8) << four << FormatStatus::Ok
      << Hex("14 4B  00 0044 00 06 0000  10 08 04 40") + Frame16("80", 8) + Frame16("40", 8) +
             Frame16("20", 8) + Frame16("10", 8)
      << 500;
  const QByteArray head5x3 = Hex("14 11  00 000A 00 06 0000  05 03 03");
  QTest::newRow("5x3 at 0.1 s") << QSize(5, 3) << QList<int>{100, 100, 100} << FormatStatus::Ok
                                << head5x3 + "00" + kThree5x3 << 100;
  QTest::newRow("5x3 at 1.6 s") << QSize(5, 3) << QList<int>{1600, 1600, 1600} << FormatStatus::Ok
                                << head5x3 + "F0" + kThree5x3 << 1600;
  QTest::newRow("5x3 at 10 s, clamped") << QSize(5, 3) << QList<int>{10000, 10000, 10000}
                                        << FormatStatus::Ok << head5x3 + "F0" + kThree5x3 << 1600;
  QTest::newRow("5x3, mean of 0.1, 0.2, 0.6 s")
      << QSize(5, 3) << QList<int>{100, 200, 600} << FormatStatus::Ok << head5x3 + "20" + kThree5x3
      << 300;
  QTest::newRow("5x3, mean 0.15 s rounds up")
      << QSize(5, 3) << QList<int>{150, 150, 150} << FormatStatus::Ok << head5x3 + "10" + kThree5x3
      << 200;
  // 4 + 5 * 32 octets of data: more than a message's header holds.
  QTest::newRow("5 x 16x16, refused")
      << QSize(16, 16) << QList<int>{500, 500, 500, 500, 500}
      << FormatStatus::AnimationTooLargeForElement << QByteArray() << 0;
}

// Written as the hex worked out by hand, which reads back as the frames,
// each for the time the element gives them.
void PhoneAnimationsTest::elementLine() {
  QFETCH(QSize, size);
  QFETCH(QList<int>, durations);
  QFETCH(FormatStatus, status);
  QFETCH(QByteArray, hex);
  QFETCH(int, shown);
  const FileFormat& type = Type(QStringLiteral("txt"));
  QVERIFY(type.write && type.every_frame);
  WriteOptions options;
  options.animation = Frames(size, durations);
  QByteArray line = "kept";
  QCOMPARE(type.write(options.animation.Frame(durations.size() - 1), options, line), status);
  QCOMPARE(line, status == FormatStatus::Ok ? hex + '\n' : QByteArray("kept"));
  if (status != FormatStatus::Ok) return;
  Animation read;
  QCOMPARE(type.read_frames(line, read), FormatStatus::Ok);
  QCOMPARE(QSize(read.width, read.height), size);
  QCOMPARE(read.Count(), durations.size());
  for (int k = 0; k < read.Count(); ++k) {
    QVERIFY(read.Frame(k) == options.animation.Frame(k));
    QCOMPARE(read.frames[k].duration, shown);
  }
}

void PhoneAnimationsTest::elementLineRead_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<FormatStatus>("status");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QList<QPoint>>("ink");  // every pixel of ink, of the first frame
  const auto refused = [](const char* name, const QByteArray& text, FormatStatus status) {
    QTest::newRow(name) << text << status << QSize() << QList<QPoint>{};
  };
  // A variable picture's width is whole octets: 2 give 16 pixels.
  QTest::newRow("variable picture, 16x2") << Hex("12 07 00 02 02 8000 0010") << FormatStatus::Ok
                                          << QSize(16, 2) << QList<QPoint>{{1, 1}, {12, 2}};
  QTest::newRow("spaced, lines ended")
      << QByteArray("\t12 07 00 02 02\r\n80 00 00 10\r\n") << FormatStatus::Ok << QSize(16, 2)
      << QList<QPoint>{{1, 1}, {12, 2}};
  // A bitmap object of 3 x 3 runs on: 1010 1010 1.
  QTest::newRow("bitmap object, 3x3")
      << Hex("14 0B  00 0004 00 02 0000  03 03 AA 80") << FormatStatus::Ok << QSize(3, 3)
      << QList<QPoint>{{1, 1}, {3, 1}, {2, 2}, {1, 3}, {3, 3}};
  refused("not hex", "0x12, 0x05", FormatStatus::NotThisFormat);
  refused("half an octet", Hex("12 07 00 02 02 8000 0010 0"), FormatStatus::Truncated);
  refused("cut short", Hex("12 07 00 02 02 8000 00"), FormatStatus::Truncated);
  refused("more after it", Hex("12 07 00 02 02 8000 0010 00"), FormatStatus::Damaged);
  refused("rows short of the size", Hex("12 07 00 02 03 8000 0010"), FormatStatus::Damaged);
  refused("17 octets wide", Hex("12 14 00 11 01") + Zeros(17), FormatStatus::BadSize);
  refused("concatenation element", Hex("00 03 12 34 56"), FormatStatus::NotEmsElement);
  refused("object going on", Hex("14 0B  00 0005 00 02 0000  03 03 AA 80"),
          FormatStatus::Truncated);
  refused("grey bitmap object", Hex("14 0B  00 0004 00 03 0000  03 03 AA 80"),
          FormatStatus::Unsupported);
  refused("vCard object", Hex("14 0B  00 0004 00 09 0000  03 03 AA 80"),
          FormatStatus::NotEmsElement);
  refused("65 frames of 1x1",
          Hex("14 4C  00 0045 00 06 0000  01 01 41 00") + QByteArray(65, 'A').replace("A", "80"),
          FormatStatus::TooManyFrames);
  refused("longer than any element", QByteArray(5000, ' ') + Hex("12 05 00 01 02 80 01"),
          FormatStatus::Damaged);
}

// Lines of hex, written by hand or by other programs, read as the import
// takes them; a refused one leaves the frames as they were.
void PhoneAnimationsTest::elementLineRead() {
  QFETCH(QByteArray, text);
  QFETCH(FormatStatus, status);
  QFETCH(QSize, size);
  QFETCH(QList<QPoint>, ink);
  const Animation before = Frames(QSize(9, 9), {300});
  Animation read = before;
  QCOMPARE(Type(QStringLiteral("txt")).read_frames(text, read), status);
  if (status != FormatStatus::Ok) {
    QVERIFY(read.width == 9 && read.frames == before.frames);
    return;
  }
  QCOMPARE(QSize(read.width, read.height), size);
  const Picture first = read.Frame(0);
  for (int y = 1; y <= size.height(); ++y)
    for (int x = 1; x <= size.width(); ++x)
      QVERIFY2((first.cells(x, y) != kOff) == ink.contains(QPoint(x, y)),
               qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
}

void PhoneAnimationsTest::messagesByHand_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("frames");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QByteArrayList>("pdus");
  // 36 octets of header are 42 septets with 6 fill bits; "Hi" after them.
  QTest::newRow("4 x 8x8 with Hi")
      << QSize(8, 8) << 4 << "Hi"
      << QByteArrayList{kHead + Hex("00 00 2C 23 0F 21 00") + Frame8("80") + Frame8("40") +
                        Frame8("20") + Frame8("10") + Hex("00 32 0D")};
  // 7 + 4 + 2 * 128 octets of object, 131 to a message: the first holds
  // 120 octets of the first frame, the second its last 8 and 123 of the
  // second frame, the third the last 5.
  QTest::newRow("2 x 32x32 over three messages")
      << QSize(32, 32) << 2 << ""
      << QByteArrayList{
             kHead + Hex("00 04 8C 8B 08 04 12 34 03 01 14 83  34 0104 00 06 0000  20 20 02 40") +
                 Frame32("80").left(240),
             kHead + Hex("00 04 8C 8B 08 04 12 34 03 02 14 83") + Zeros(7) + "01" +
                 Frame32("40").left(246),
             kHead + Hex("00 04 0E 0D 08 04 12 34 03 03 14 05") + Zeros(4) + "01"};
}

void PhoneAnimationsTest::messagesByHand() {
  QFETCH(QSize, size);
  QFETCH(int, frames);
  QFETCH(QString, text);
  QFETCH(QByteArrayList, pdus);
  const Animation animation = Frames(size, QList<int>(frames, 500));
  QList<QByteArray> made;
  QCOMPARE(EmsPdus({EmsAnimationObject(animation, 0x1234)}, text,
                   *ParsePhoneNumber(QStringLiteral("+79161234567")), 0x1234, made),
           FormatStatus::Ok);
  for (QByteArray& pdu : made) pdu = pdu.toHex().toUpper();
  QCOMPARE(made, pdus);
}

// gammu reads the large and the small animation, each frame a picture;
// it shows nothing of an animation as an extended object.
void PhoneAnimationsTest::gammuReads_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QString>("text");
  QTest::newRow("4 x 16x16 with Hi") << QSize(16, 16) << "Hi";
  QTest::newRow("4 x 8x8") << QSize(8, 8) << "";
}

void PhoneAnimationsTest::gammuReads() {
  QFETCH(QSize, size);
  QFETCH(QString, text);
  WriteOptions options;
  options.sms = {QStringLiteral("+79161234567"), text, SmsKind::Ems};
  options.animation = {size.width(), size.height(), {}};
  QStringList expected;
  for (int k = 0; k < 4; ++k) {
    Picture frame{size.width(), size.height(), {}};
    expected << QStringLiteral("picture EMSAnimation %1 %2 ").arg(size.width()).arg(size.height());
    for (int y = 1; y <= size.height(); ++y) {
      QString row;
      for (int x = 1; x <= size.width(); ++x) {
        frame.cells(x, y) = (x * (k + 3) + y * y) % 5 < 2 ? kOn : kOff;
        row += frame.cells(x, y) == kOn ? u'#' : u'.';
      }
      expected << row;
    }
    options.animation.frames.push_back({PackedBlock::Of(frame.cells), 300});
  }
  if (!text.isEmpty()) expected << QStringLiteral("text ") + text;
  QByteArray bytes;
  QCOMPARE(Type(QStringLiteral("at")).write(options.animation.Frame(0), options, bytes),
           FormatStatus::Ok);
  const std::optional<QStringList> read = GammuReading(bytes);
  if (!read) QSKIP("gammu's Python module (python3-gammu) is not installed");
  QCOMPARE(*read, expected);
}

QTEST_GUILESS_MAIN(PhoneAnimationsTest)
#include "tst_phone_animations.moc"
