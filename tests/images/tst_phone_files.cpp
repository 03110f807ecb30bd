#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "fakes/file_bytes.h"
#include "fakes/pictures.h"
#include "files/formats/pbm_format.h"
#include "images/file_formats.h"

using namespace tochkograf;

namespace {

const FileFormat& Type(const QString& extension) {
  return *FormatOfName(BuiltInFormats(), QStringLiteral("a.") + extension);
}

// Ink at the first and the last pixel only.
Picture Corners(int width, int height) {
  Picture picture{width, height, {}};
  picture.cells(1, 1) = picture.cells(width, height) = kOn;
  return picture;
}

QByteArray Hex(const char* spaced) { return QByteArray::fromHex(spaced); }
QByteArray Zeros(int count) { return QByteArray(count, '\0'); }
// A .nol or .ngg file's pixels for Corners().
QByteArray CornerDigits(int count) { return '1' + QByteArray(count - 2, '0') + '1'; }

WriteOptions ForNetwork(NetworkCode network) {
  WriteOptions options;
  options.network = network;
  return options;
}

// What a program prints for a picture, '#' for black, each row without the
// spaces at its end.
QStringList Rows(const Picture& picture) {
  QStringList rows;
  for (int y = 1; y <= picture.height; ++y) {
    QString row;
    for (int x = 1; x <= picture.width; ++x) row += picture.cells(x, y) == kOn ? u'#' : u' ';
    rows << row.left(row.lastIndexOf(u'#') + 1);
  }
  return rows;
}

}  // namespace

// The files of phone tools, against bytes worked out by hand and the
// readers of gammu and netpbm where they are installed.
class PhoneFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void byHand_data();
  void byHand();
  void readsBackEverySize_data();
  void readsBackEverySize();
  void refused_data();
  void refused();
  void writersTakeTheirSizes_data();
  void writersTakeTheirSizes();
  void gammuReads_data();
  void gammuReads();
  void netpbmReadsWbmp();
};

void PhoneFilesTest::byHand_data() {
  QTest::addColumn<QString>("type");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<bool>("written");  // false: only read
  const QByteArray logoPixels = CornerDigits(72 * 14);
  QTest::newRow("nol 250 01") << "nol" << QSize(72, 14)
                              << QByteArray("NOL") +
                                     Hex("00 0100 FA00 0100 4800 0E00 0100 0100 0000") + logoPixels
                              << true;
  QTest::newRow("nol 78x21") << "nol" << QSize(78, 21)
                             << QByteArray("NOL") +
                                    Hex("00 0100 FA00 0100 4E00 1500 0100 0100 0000") +
                                    CornerDigits(78 * 21)
                             << true;
  QTest::newRow("nol, bytes after the pixels")
      << "nol" << QSize(72, 14)
      << QByteArray("NOL") + Hex("00 0100 FA00 0100 4800 0E00 0100 0100 0000") + logoPixels + "\r\n"
      << false;
  QTest::newRow("ngg") << "ngg" << QSize(72, 14)
                       << QByteArray("NGG") + Hex("00 0100 4800 0E00 0100 0100 0000") + logoPixels
                       << true;
  QTest::newRow("nlm operator") << "nlm" << QSize(72, 14)
                                << "NLM " + Hex("01 00 00 48 0E 01 80") + Zeros(124) + Hex("01")
                                << true;
  QTest::newRow("nlm large operator")
      << "nlm" << QSize(78, 21) << "NLM " + Hex("01 00 00 4E 15 01 80") + Zeros(208) + Hex("04")
      << true;
  QTest::newRow("nlm startup") << "nlm" << QSize(84, 48)
                               << "NLM " + Hex("01 02 00 54 30 01 80") + Zeros(526) + Hex("10")
                               << true;
  QTest::newRow("nlm picture") << "nlm" << QSize(72, 28)
                               << "NLM " + Hex("01 03 00 48 1C 01 80") + Zeros(250) + Hex("01")
                               << true;
  QTest::newRow("nlm caller, two frames")
      << "nlm" << QSize(72, 14)
      << "NLM " + Hex("01 01 01 48 0E 01 80") + Zeros(124) + Hex("01") + QByteArray(126, '\xFF')
      << false;
  QTest::newRow("nsl") << "nsl" << QSize(84, 48)
                       << "FORM" + Hex("01FE") + "NSLD" + Hex("01F8 01") + Zeros(502) + Hex("80")
                       << true;
  QTest::newRow("nsl, another chunk first") << "nsl" << QSize(84, 48)
                                            << "FORM" + Hex("0205") + "NSLX" + Hex("0001 FF") +
                                                   "NSLD" + Hex("01F8 01") + Zeros(502) + Hex("80")
                                            << false;
  QTest::newRow("wbmp 9x2") << "wbmp" << QSize(9, 2) << Hex("00 00 09 02 7F 80 FF 00") << true;
  QTest::newRow("wbmp 128x1") << "wbmp" << QSize(128, 1)
                              << Hex("00 00 81 00 01 7F") + QByteArray(14, '\xFF') + Hex("FE")
                              << true;
  QTest::newRow("otb, 16-bit sizes")
      << "otb" << QSize(72, 14) << Hex("10 0048 000E 01 80") + Zeros(124) + Hex("01") << false;
}

void PhoneFilesTest::byHand() {
  QFETCH(QString, type);
  QFETCH(QSize, size);
  QFETCH(QByteArray, bytes);
  QFETCH(bool, written);
  const Picture corners = Corners(size.width(), size.height());
  Picture read;
  QCOMPARE(Type(type).read(bytes, read), FormatStatus::Ok);
  QVERIFY(read == corners);
  if (!written) return;
  QByteArray made;
  QCOMPARE(Type(type).write(corners, ForNetwork({250, 1}), made), FormatStatus::Ok);
  QCOMPARE(made.toHex(' '), bytes.toHex(' '));
}

void PhoneFilesTest::readsBackEverySize_data() {
  QTest::addColumn<QString>("type");
  QTest::addColumn<QList<QSize>>("sizes");
  QList<QSize> any;
  for (int height = 1; height <= kMaxHeight; ++height)
    for (int width = 1; width <= kMaxWidth; ++width) any << QSize(width, height);
  QTest::newRow("nol") << "nol" << QList<QSize>{{72, 14}, {78, 21}};
  QTest::newRow("ngg") << "ngg" << QList<QSize>{{72, 14}};
  QTest::newRow("nlm") << "nlm" << QList<QSize>{{72, 14}, {78, 21}, {84, 48}, {72, 28}};
  QTest::newRow("nsl") << "nsl" << QList<QSize>{{84, 48}};
  QTest::newRow("wbmp") << "wbmp" << any;
}

void PhoneFilesTest::readsBackEverySize() {
  QFETCH(QString, type);
  QFETCH(QList<QSize>, sizes);
  for (const QSize size : sizes) {
    const Picture picture =
        RandomPicture(size.width(), size.height(), size.width() + size.height());
    QByteArray bytes;
    QCOMPARE(Type(type).write(picture, {}, bytes), FormatStatus::Ok);
    Picture read;
    QCOMPARE(Type(type).read(bytes, read), FormatStatus::Ok);
    QVERIFY2(read == picture,
             qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
  }
}

void PhoneFilesTest::refused_data() {
  QTest::addColumn<QString>("type");
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<FormatStatus>("status");
  const QByteArray nol = QByteArray("NOL") + Hex("00 0100 FA00 0100 4800 0E00 0100 0100 0000");
  QTest::newRow("nol signature") << "nol"
                                 << "NOX" + nol.mid(3) + CornerDigits(1008)
                                 << FormatStatus::NotThisFormat;
  QTest::newRow("nol 0 wide") << "nol" << nol.left(10) + Hex("0000 0E00") + nol.mid(14)
                              << FormatStatus::BadSize;
  QTest::newRow("nol 129 wide") << "nol" << nol.left(10) + Hex("8100 0100") + nol.mid(14) + "1"
                                << FormatStatus::BadSize;
  QTest::newRow("nol short") << "nol" << nol + CornerDigits(1007) << FormatStatus::Truncated;
  QTest::newRow("nol header short") << "nol" << nol.left(19) << FormatStatus::Truncated;
  QTest::newRow("nol pixel 2") << "nol" << nol + "2" + CornerDigits(1007) << FormatStatus::Damaged;
  QTest::newRow("ngg signature") << "ngg" << nol + CornerDigits(1008)
                                 << FormatStatus::NotThisFormat;
  QTest::newRow("nlm signature") << "nlm"
                                 << "NLM" + Hex("00 01 00 00 01 01 01 80")
                                 << FormatStatus::NotThisFormat;
  QTest::newRow("nlm 200 wide") << "nlm"
                                << "NLM " + Hex("01 00 00 C8 01 01") + Zeros(25)
                                << FormatStatus::BadSize;
  QTest::newRow("nlm short") << "nlm"
                             << "NLM " + Hex("01 00 00 48 0E 01") + Zeros(125)
                             << FormatStatus::Truncated;
  QTest::newRow("nlm depth 2") << "nlm"
                               << "NLM " + Hex("01 00 00 08 01 02 FF") << FormatStatus::Unsupported;
  QTest::newRow("nsl signature") << "nsl"
                                 << "FORX" + Hex("01FE") + "NSLD" + Hex("01F8") + Zeros(504)
                                 << FormatStatus::NotThisFormat;
  QTest::newRow("nsl no logo") << "nsl"
                               << "FORM" + Hex("0007") + "NSLX" + Hex("0001 FF")
                               << FormatStatus::Truncated;
  QTest::newRow("nsl logo 503") << "nsl"
                                << "FORM" + Hex("01FD") + "NSLD" + Hex("01F7") + Zeros(503)
                                << FormatStatus::Unsupported;
  QTest::newRow("nsl short") << "nsl"
                             << "FORM" + Hex("01FE") + "NSLD" + Hex("01F8") + Zeros(503)
                             << FormatStatus::Truncated;
  QTest::newRow("wbmp type 1") << "wbmp" << Hex("01 00 01 01 00") << FormatStatus::NotThisFormat;
  QTest::newRow("wbmp extension") << "wbmp" << Hex("00 80 00 01 01 00")
                                  << FormatStatus::Unsupported;
  QTest::newRow("wbmp 5-octet integer")
      << "wbmp" << Hex("00 00 80 80 80 80 01 01 00") << FormatStatus::Damaged;
  QTest::newRow("wbmp 0 wide") << "wbmp" << Hex("00 00 00 01") << FormatStatus::BadSize;
  QTest::newRow("wbmp 97 high") << "wbmp" << Hex("00 00 01 61") + Zeros(97)
                                << FormatStatus::BadSize;
  QTest::newRow("wbmp short") << "wbmp" << Hex("00 00 09 02 00 00 00") << FormatStatus::Truncated;
  QTest::newRow("wbmp ends in its size") << "wbmp" << Hex("00 00 81") << FormatStatus::Truncated;
}

void PhoneFilesTest::refused() {
  QFETCH(QString, type);
  QFETCH(QByteArray, bytes);
  QFETCH(FormatStatus, status);
  Picture picture = Corners(3, 2);
  QCOMPARE(Type(type).read(bytes, picture), status);
  QVERIFY(picture == Corners(3, 2));
}

void PhoneFilesTest::writersTakeTheirSizes_data() {
  QTest::addColumn<QString>("type");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QString>("reason");
  QTest::newRow("nol") << "nol" << QSize(72, 28) << "72 x 14 или 78 x 21";
  QTest::newRow("ngg") << "ngg" << QSize(78, 21) << "72 x 14";
  QTest::newRow("nlm") << "nlm" << QSize(16, 16) << "84 x 48";
  QTest::newRow("nsl") << "nsl" << QSize(72, 14) << "84 x 48";
}

void PhoneFilesTest::writersTakeTheirSizes() {
  QFETCH(QString, type);
  QFETCH(QSize, size);
  QFETCH(QString, reason);
  QByteArray bytes("kept");
  const FormatStatus status = Type(type).write(Corners(size.width(), size.height()), {}, bytes);
  QVERIFY(FormatFailureReason(status).replace(u'\u00a0', u' ').contains(reason));
  QCOMPARE(bytes, QByteArray("kept"));
}

void PhoneFilesTest::gammuReads_data() {
  QTest::addColumn<QString>("type");
  QTest::addColumn<QSize>("size");
  for (const auto& [type, size] : QList<std::pair<QString, QSize>>{{"nol", {72, 14}},
                                                                   {"ngg", {72, 14}},
                                                                   {"nlm", {72, 14}},
                                                                   {"nlm", {84, 48}},
                                                                   {"nlm", {72, 28}},
                                                                   {"nsl", {84, 48}}})
    QTest::addRow("%s %dx%d", qPrintable(type), size.width(), size.height()) << type << size;
}

// gammu's copybitmap prints the picture of a file; and it writes one of the
// same type, which the reader here must read as the same picture. (Its WBMP
// reader takes sizes of one octet and rows not padded, unlike WAP's: netpbm
// reads the WBMP files instead.)
void PhoneFilesTest::gammuReads() {
  QFETCH(QString, type);
  QFETCH(QSize, size);
  const QString gammu = QStandardPaths::findExecutable(QStringLiteral("gammu"));
  if (gammu.isEmpty()) QSKIP("gammu is not installed");
  const Picture picture = RandomPicture(size.width(), size.height(), 3 * size.width());
  QByteArray bytes;
  QCOMPARE(Type(type).write(picture, ForNetwork({250, 1}), bytes), FormatStatus::Ok);
  QTemporaryDir dir;
  const QString ours = dir.filePath("ours." + type), theirs = dir.filePath("theirs." + type);
  Store(ours, bytes);
  QProcess copy;
  copy.start(gammu, {QStringLiteral("copybitmap"), ours, theirs});
  QVERIFY(copy.waitForFinished(30000));
  copy.start(gammu, {QStringLiteral("copybitmap"), ours});
  QVERIFY(copy.waitForFinished(30000));
  QStringList printed = QString::fromLocal8Bit(copy.readAllStandardOutput()).split(u'\n');
  // A line naming the size, then the rows.
  const QString sized = QStringLiteral("width %1, height %2").arg(size.width()).arg(size.height());
  const qsizetype at =
      printed.indexOf(QRegularExpression(".*" + QRegularExpression::escape(sized)));
  QVERIFY2(at >= 0, qPrintable(printed.join(u'\n')));
  printed = printed.mid(at + 1, size.height());
  for (QString& row : printed) row = row.left(row.lastIndexOf(u'#') + 1);
  QCOMPARE(printed, Rows(picture));
  Picture read;
  QCOMPARE(Type(type).read(Contents(theirs), read), FormatStatus::Ok);
  QVERIFY(read == picture);
}

// netpbm's converters both ways: its PBM of a WBMP written here, which Qt
// reads, and its WBMP of a PBM, which the reader here reads.
void PhoneFilesTest::netpbmReadsWbmp() {
  const QString toPbm = QStandardPaths::findExecutable(QStringLiteral("wbmptopbm"));
  const QString toWbmp = QStandardPaths::findExecutable(QStringLiteral("pbmtowbmp"));
  if (toPbm.isEmpty() || toWbmp.isEmpty()) QSKIP("netpbm is not installed");
  for (const QSize size : {QSize(1, 1), QSize(13, 7), QSize(128, 96)}) {
    const Picture picture = RandomPicture(size.width(), size.height(), size.height());
    QProcess netpbm;
    QByteArray bytes;
    QCOMPARE(Type("wbmp").write(picture, {}, bytes), FormatStatus::Ok);
    netpbm.start(toPbm, {});
    netpbm.write(bytes);
    netpbm.closeWriteChannel();
    QVERIFY(netpbm.waitForFinished(30000));
    const QImage image = QImage::fromData(netpbm.readAllStandardOutput(), "PBM");
    QCOMPARE(image.size(), size);
    for (int y = 1; y <= size.height(); ++y)
      for (int x = 1; x <= size.width(); ++x)
        QCOMPARE(qGray(image.pixel(x - 1, y - 1)) < 128, picture.cells(x, y) == kOn);
    netpbm.start(toWbmp, {});
    netpbm.write(EncodePbm(picture));
    netpbm.closeWriteChannel();
    QVERIFY(netpbm.waitForFinished(30000));
    Picture read;
    QCOMPARE(Type("wbmp").read(netpbm.readAllStandardOutput(), read), FormatStatus::Ok);
    QVERIFY(read == picture);
  }
}

QTEST_GUILESS_MAIN(PhoneFilesTest)
#include "tst_phone_files.moc"
