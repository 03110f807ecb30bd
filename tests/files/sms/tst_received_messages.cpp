#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "fakes/pictures.h"
#include "files/sms/message_file.h"
#include "files/sms/modem_commands.h"
#include "files/sms/received_pictures.h"

using namespace tochkograf;

namespace {

// Frames as rows of '#' and '.' joined by '/', one frame after another,
// each with its duration.
QString Drawn(const Animation& frames) {
  QStringList drawn;
  for (int i = 0; i < frames.Count(); ++i) {
    const Picture frame = frames.Frame(i);
    QStringList rows;
    for (int y = 1; y <= frame.height; ++y) {
      QString row;
      for (int x = 1; x <= frame.width; ++x) row += frame.cells(x, y) == kOn ? u'#' : u'.';
      rows << row;
    }
    drawn << rows.join(u'/') + QStringLiteral(" %1ms").arg(frames.frames[i].duration);
  }
  return drawn.join(QStringLiteral(" | "));
}

QString Described(const ReceivedPicture& picture) {
  return QStringLiteral("%1 %2 %3 %4 %5 «%6» %7")
      .arg(SmsKindOf(picture.kind).word, picture.submitted ? "to" : "from", picture.address,
           picture.time.isValid() ? picture.time.toUTC().toString(Qt::ISODate) : "-",
           picture.network ? NetworkCodeText(*picture.network) : "-", picture.text,
           Drawn(picture.frames));
}

struct Found {
  QStringList pictures, notes;
};

// What the file or folder at `path` gives.
Found FoundIn(const QString& path) {
  QStringList notes;
  QList<ReceivedMessage> messages;
  if (ReadMessageFile(path, messages, notes) != FileStatus::Ok) return {{}, {"unread"}};
  const Reception reception = PicturesInMessages(messages, notes);
  Found found{{}, reception.notes};
  for (const ReceivedPicture& picture : reception.pictures) found.pictures << Described(picture);
  return found;
}

Found FoundIn(const QByteArray& bytes) {
  QTemporaryDir folder;
  QFile file(folder.filePath("messages.txt"));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
  file.close();
  return FoundIn(file.fileName());
}

// Each expected note holds its words.
void CompareNotes(const QStringList& notes, const QStringList& words) {
  QCOMPARE(notes.size(), words.size());
  for (qsizetype i = 0; i < words.size(); ++i)
    for (const QString& word : words[i].split(u' '))
      QVERIFY2(notes[i].contains(word), qPrintable(notes[i] + " lacks " + word));
}

// The frames in the JSON gammu_makes_messages.py reads.
QJsonArray AsRows(const Animation& frames) {
  QJsonArray array;
  for (const QString& frame : Drawn(frames).split(QStringLiteral(" | "))) {
    QJsonArray rows;
    for (const QString& row : frame.section(u' ', 0, 0).split(u'/')) rows << row;
    array << rows;
  }
  return array;
}

Animation RandomFrames(QSize size, int count) {
  Animation frames = Animation::Of(RandomPicture(size.width(), size.height(), 1));
  for (int i = 1; i < count; ++i)
    frames.frames.push_back(
        {PackedBlock::Of(RandomPicture(size.width(), size.height(), quint32(i + 1)).cells)});
  return frames;
}

const char* const kStamp = "42 30 50 41 03 51 21";  // 2024-03-05 14:30:15 +03:00
const QString kDeliver = QStringLiteral("44 0B 91 97 61 21 43 65 F7 00 04 %1 ").arg(kStamp);

}  // namespace

// Received messages: made by gammu's own encoder, worked out by hand from
// the SMS standard, and made by this program for a modem.
class ReceivedMessagesTest : public QObject {
  Q_OBJECT

 private slots:
  void gammuWrites_data();
  void gammuWrites();
  void byHand_data();
  void byHand();
  void ownModemFile_data();
  void ownModemFile();
};

void ReceivedMessagesTest::gammuWrites_data() {
  QTest::addColumn<QString>("id");  // gammu's
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("frames");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("network");
  QTest::newRow("small, text") << "EMSFixedBitmap"
                               << "ems" << QSize(16, 16) << 1 << "Привет, мир"
                               << "";
  QTest::newRow("large") << "EMSFixedBitmap"
                         << "ems" << QSize(32, 32) << 1 << ""
                         << "";
  QTest::newRow("variable") << "EMSVariableBitmap"
                            << "ems" << QSize(24, 26) << 1 << ""
                            << "";
  QTest::newRow("large animation") << "EMSAnimation"
                                   << "ems" << QSize(16, 16) << 4 << ""
                                   << "";
  QTest::newRow("small animation, text") << "EMSAnimation"
                                         << "ems" << QSize(8, 8) << 4 << "Анимация"
                                         << "";
  QTest::newRow("long text, two parts")
      << "EMSFixedBitmap"
      << "ems" << QSize(32, 32) << 1 << QString("Длинный текст. ").repeated(5) << "";
  QTest::newRow("operator logo") << "NokiaOperatorLogo"
                                 << "operator" << QSize(72, 14) << 1 << ""
                                 << "250 01";
  QTest::newRow("caller group") << "NokiaCallerLogo"
                                << "caller" << QSize(72, 14) << 1 << ""
                                << "";
  QTest::newRow("picture message, three parts") << "NokiaPictureImageLong"
                                                << "picture" << QSize(72, 28) << 1 << ""
                                                << "";
}

void ReceivedMessagesTest::gammuWrites() {
  QFETCH(QString, id);
  QFETCH(QString, kind);
  QFETCH(QSize, size);
  QFETCH(int, frames);
  QFETCH(QString, text);
  QFETCH(QString, network);
  const Animation drawn = RandomFrames(size, frames);
  QTemporaryDir folder;
  QProcess gammu;
  gammu.start(QStringLiteral("/usr/bin/python3"),
              {QStringLiteral(TOCHKOGRAF_GAMMU_WRITER), folder.path()});
  gammu.write(QJsonDocument(QJsonObject{{"id", id},
                                        {"frames", AsRows(drawn)},
                                        {"text", text},
                                        {"network", network},
                                        {"sender", "+79161234567"}})
                  .toJson());
  gammu.closeWriteChannel();
  QVERIFY(gammu.waitForFinished(60000));
  if (gammu.exitCode() == 77) QSKIP("gammu's Python module (python3-gammu) is not installed");
  QVERIFY2(gammu.exitCode() == 0, gammu.readAllStandardError().constData());
  const QString expected = QStringLiteral("%1 from +79161234567 2024-03-05T14:30:15Z %2 «%3» %4")
                               .arg(kind, network.isEmpty() ? "-" : network, text, Drawn(drawn));
  // gammu-smsd's inbox: each message a file, the last part first.
  QFile backup(folder.filePath("backup.smsbackup"));
  QVERIFY(backup.open(QIODevice::ReadOnly) && QDir(folder.path()).mkdir("inbox"));
  const QList<QByteArray> sections = backup.readAll().split('[');
  for (qsizetype i = 1; i < sections.size(); ++i) {
    QFile part(folder.filePath(QStringLiteral("inbox/IN%1.txt").arg(sections.size() - i)));
    QVERIFY(part.open(QIODevice::WriteOnly) && part.write('[' + sections[i]) > 0);
  }
  for (const char* name : {"with_centre.txt", "without_centre.txt", "backup.smsbackup", "inbox"}) {
    const Found found = FoundIn(folder.filePath(name));
    QCOMPARE(found.notes, QStringList());
    QCOMPARE(found.pictures, QStringList{expected});
  }
}

// The extended objects, which gammu does not write, and the joining of
// parts, against octets worked out by hand.
void ReceivedMessagesTest::byHand_data() {
  QTest::addColumn<QStringList>("lines");
  QTest::addColumn<QStringList>("pictures");
  QTest::addColumn<QStringList>("notes");  // the words each holds
  const QString from = QStringLiteral("ems from +79161234567 2024-03-05T11:30:15Z - ");
  // A 10 x 3 bitmap (type 02, reference 1, 6 octets: 0A 03 and its rows
  // run on) split over the two parts of a message with the 16-bit
  // reference ABCD, which come last first, another message between them.
  QTest::newRow("bitmap object over two parts")
      << QStringList{kDeliver + "0D 0C 08 04 AB CD 02 02 14 04 80 50 23 F0",
                     kDeliver + "07 06 12 04 00 01 01 C3",
                     kDeliver + "12 11 08 04 AB CD 02 01 14 09 01 00 06 00 02 00 00 0A 03"}
      << QStringList{from + "«» #........#/.#......#./..######.. 500ms", from + "«» ##....## 500ms"}
      << QStringList{};
  // An animation (type 06): 8 x 2, two frames of 0.3 s (control 20), with
  // "Hi" after the header's 18 octets and 3 fill bits (septets 21, 23 in
  // all); the service centre's address first.
  QTest::newRow("animation object, 7-bit text")
      << QStringList{"07 91 97 61 98 99 01 F0 44 0B 91 97 61 21 43 65 F7 00 00 " + QString(kStamp) +
                     "17 11 14 0F 02 00 08 00 06 00 00 08 02 02 20 80 01 40 02 40 A6 01"}
      << QStringList{from + "«Hi» #......./.......# 300ms | .#....../......#. 300ms"}
      << QStringList{};
  // Parts 1 and 3 of 3 (8-bit reference 05), each with an 8 x 1 picture.
  QTest::newRow("part missing") << QStringList{kDeliver + "0C 0B 00 03 05 03 01 12 04 00 01 01 81",
                                               kDeliver + "0C 0B 00 03 05 03 03 12 04 00 01 01 18"}
                                << QStringList{from + "«» #......# 500ms",
                                               from + "«» ...##... 500ms"}
                                << QStringList{"строка 1 2"};
  QTest::newRow("object without its second part")
      << QStringList{kDeliver + "12 11 08 04 AB CD 02 01 14 09 01 00 06 00 02 00 00 0A 03"}
      << QStringList{} << QStringList{"строка 1 2", "строка 1 2"};
  // Cut short, not hex, a status report: each skipped, the rest read.
  QTest::newRow("damaged skipped")
      << QStringList{"44 0B 91 97", "hello",
                     "06 00 0B 91 97 61 21 43 65 F7 " + QString(kStamp) + QString(kStamp) + "00",
                     kDeliver + "07 06 12 04 00 01 01 C3"}
      << QStringList{from + "«» ##....## 500ms"} << QStringList{"строка 2", "строка 1", "строка 3"};
  // A sender's name "MTS" (alphanumeric, three septets), and a message
  // sent (SMS-SUBMIT) with a relative validity period.
  QTest::newRow("name, sent message")
      << QStringList{"44 06 D0 4D EA 14 00 04 " + QString(kStamp) + "07 06 12 04 00 01 01 C3",
                     "51 00 0B 91 97 61 21 43 65 F7 00 04 AA 07 06 12 04 00 01 01 3C"}
      << QStringList{"ems from MTS 2024-03-05T11:30:15Z - «» ##....## 500ms",
                     "ems to +79161234567 - - «» ..####.. 500ms"}
      << QStringList{};
}

void ReceivedMessagesTest::byHand() {
  QFETCH(QStringList, lines);
  QFETCH(QStringList, pictures);
  QFETCH(QStringList, notes);
  const Found found = FoundIn(lines.join(u'\n').toLatin1());
  QCOMPARE(found.pictures, pictures);
  CompareNotes(found.notes, notes);
}

// What this program writes for a modem reads back as what was sent.
void ReceivedMessagesTest::ownModemFile_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("frames");
  QTest::addColumn<QString>("text");
  QTest::newRow("7-bit text, extension") << int(SmsKind::Ems) << QSize(16, 16) << 1 << "Hi [€]";
  QTest::newRow("UCS-2 over two parts") << int(SmsKind::Ems) << QSize(72, 14) << 1 << "Привет";
  QTest::newRow("object over 12 parts") << int(SmsKind::Ems) << QSize(128, 96) << 1 << "";
  QTest::newRow("animation object") << int(SmsKind::Ems) << QSize(24, 24) << 3 << "";
  QTest::newRow("operator logo") << int(SmsKind::OperatorLogo) << QSize(72, 14) << 1 << "";
  QTest::newRow("picture message") << int(SmsKind::PictureMessage) << QSize(72, 28) << 1 << "Hello";
}

void ReceivedMessagesTest::ownModemFile() {
  QFETCH(int, kind);
  QFETCH(QSize, size);
  QFETCH(int, frames);
  QFETCH(QString, text);
  const Animation sent = RandomFrames(size, frames);
  QByteArray bytes;
  QCOMPARE(EncodeModemCommands(sent, sent.Frame(0), {"+79161234567", text, SmsKind(kind)},
                               {310, 260, 3}, bytes),
           FormatStatus::Ok);
  // The object's frame time is the frames' mean, to a tenth of a second.
  const QString network = kind == int(SmsKind::OperatorLogo) ? "310 260" : "-";
  const QString expected = QStringLiteral("%1 to +79161234567 - %2 «%3» %4")
                               .arg(SmsKindOf(SmsKind(kind)).word, network, text, Drawn(sent));
  const Found found = FoundIn(bytes);
  QCOMPARE(found.notes, QStringList());
  QCOMPARE(found.pictures, QStringList{expected});
}

QTEST_GUILESS_MAIN(ReceivedMessagesTest)
#include "tst_received_messages.moc"
