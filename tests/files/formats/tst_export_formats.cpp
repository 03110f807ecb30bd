#include <QImage>
#include <QtTest>

#include "fakes/file_bytes.h"
#include "fakes/pictures.h"
#include "files/c_array/c_identifier.h"
#include "files/formats/otb_format.h"
#include "files/formats/pbm_format.h"
#include "files/formats/xbm_format.h"
#include "files/sms/ems_element.h"

using namespace tochkograf;

namespace {

// Ink at (1, 1), at the last pixel of the first row and of the last row.
PixelGrid Corners(int width, int height) {
  PixelGrid cells;
  FillRandom(cells, 5);  // cells beyond the picture must not leak in
  for (int y = 1; y <= height; ++y)
    for (int x = 1; x <= width; ++x) cells(x, y) = kOff;
  cells(1, 1) = cells(width, 1) = cells(width, height) = kOn;
  return cells;
}

QByteArray Zeros(int count) { return QByteArray(2 * count, '0'); }

}  // namespace

// Writers the program exports through; each one is checked against a
// reader it does not share code with: Qt's, or bytes worked out by hand.
class ExportFormatsTest : public QObject {
  Q_OBJECT

 private slots:
  void qtReadsWhatIsWritten_data();
  void qtReadsWhatIsWritten();
  void xbmNames_data();
  void xbmNames();
  void xbmReadByOtherPrograms();
  void byHand_data();
  void byHand();
  void elementTooLargeForOneMessage_data();
  void elementTooLargeForOneMessage();
  void otbReadsBack();
};

void ExportFormatsTest::qtReadsWhatIsWritten_data() {
  QTest::addColumn<QByteArray>("format");
  QTest::addColumn<QSize>("size");
  for (const char* format : {"XBM", "PBM"})
    for (const QSize size : {QSize(1, 1), QSize(10, 3), QSize(72, 14), QSize(128, 96)})
      QTest::addRow("%s %dx%d", format, size.width(), size.height()) << QByteArray(format) << size;
}

void ExportFormatsTest::qtReadsWhatIsWritten() {
  QFETCH(QByteArray, format);
  QFETCH(QSize, size);
  PixelGrid cells;
  FillRandom(cells, size.width() + size.height());
  const int w = size.width(), h = size.height();
  const QByteArray bytes =
      format == "XBM" ? EncodeXbm({w, h, cells}, QStringLiteral("pic")) : EncodePbm({w, h, cells});
  const QImage image = QImage::fromData(bytes, format.constData());
  QCOMPARE(image.size(), size);
  for (int y = 1; y <= h; ++y)
    for (int x = 1; x <= w; ++x)
      QVERIFY2((qGray(image.pixel(x - 1, y - 1)) < 128) == (cells(x, y) != kOff),
               qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
}

void ExportFormatsTest::xbmNames_data() {
  QTest::addColumn<QString>("path");
  QTest::addColumn<QString>("name");
  QTest::newRow("plain") << "/pics/cat.xbm"
                         << "cat";
  QTest::newRow("spaces and dots") << "/p/my cat.v2.xbm"
                                   << "my_cat_v2";
  QTest::newRow("Cyrillic") << "кот1.xbm"
                            << "kot1";
  QTest::newRow("Cyrillic, capital") << "Кот-1.xbm"
                                     << "Kot_1";
  QTest::newRow("Cyrillic, all capitals") << "ЖУК и ЩИ.xbm"
                                          << "ZHUK_i_SHCHI";
  QTest::newRow("many letters") << "Съешь жёлтую цыпочку, хэй.xbm"
                                << "Sieesh_zheltuiu_tsypochku__khei";
  QTest::newRow("й as и and a mark") << QStringLiteral("Мои\u0306.xbm") << "Moi";
  QTest::newRow("leading digit") << "1st.xbm"
                                 << "_1st";
  QTest::newRow("leading digit after a soft sign") << "ь1.xbm"
                                                   << "_1";
  QTest::newRow("nothing left") << "№ — ь!.xbm"
                                << "picture";
  QTest::newRow("no name") << "/p/.xbm"
                           << "picture";
}

void ExportFormatsTest::xbmNames() {
  QFETCH(QString, path);
  QFETCH(QString, name);
  QCOMPARE(CIdentifierFromFileName(path), name);
  const QByteArray bytes = EncodeXbm({8, 1, PixelGrid()}, CIdentifierFromFileName(path));
  QVERIFY(bytes.startsWith("#define " + name.toLatin1() + "_width 8\n"));
}

// A file named in Russian, as a C compiler and netpbm's reader read it.
void ExportFormatsTest::xbmReadByOtherPrograms() {
  for (const char* tool : {"cc", "xbmtopbm"})
    if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
      QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(tool))));
  QTemporaryDir folder;
  Picture picture{13, 5, {}};
  FillRandom(picture.cells, 13);
  const QString xbm = folder.filePath(QStringLiteral("Кот-1.xbm"));
  Store(xbm, EncodeXbm(picture, CIdentifierFromFileName(xbm)));
  // The program prints the picture as a plain PBM from the names the file
  // defines.
  Store(folder.filePath(QStringLiteral("print.c")),
        "#include <stdio.h>\n#include \"Кот-1.xbm\"\n"
        "int main(void) {\n"
        "  printf(\"P1 %d %d\\n\", Kot_1_width, Kot_1_height);\n"
        "  for (int y = 0; y < Kot_1_height; ++y) {\n"
        "    for (int x = 0; x < Kot_1_width; ++x)\n"
        "      printf(\"%d \", Kot_1_bits[y * ((Kot_1_width + 7) / 8) + x / 8] >> (x % 8) & 1);\n"
        "    printf(\"\\n\");\n  }\n  return 0;\n}\n");
  const auto run = [&](const QString& program, const QStringList& arguments, QByteArray& out) {
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start(program, arguments);
    const bool done = process.waitForFinished(60000) &&
                      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    out = process.readAllStandardOutput();
    return done;
  };
  QByteArray compiled, netpbm;
  QVERIFY(run("cc", {"-std=c99", "-Wall", "-Werror", "-o", "print", "print.c"}, compiled));
  QVERIFY(run(folder.filePath("print"), {}, compiled));
  QVERIFY(run("xbmtopbm", {xbm}, netpbm));
  for (const QByteArray& pbm : {compiled, netpbm}) {
    const QImage image = QImage::fromData(pbm, "PBM");
    QCOMPARE(image.size(), QSize(13, 5));
    for (int y = 1; y <= 5; ++y)
      for (int x = 1; x <= 13; ++x)
        QCOMPARE(qGray(image.pixel(x - 1, y - 1)) < 128, picture.cells(x, y) != kOff);
  }
}

void ExportFormatsTest::byHand_data() {
  QTest::addColumn<QString>("format");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QByteArray>("hex");
  // OTB rows run on: for 10 x 3 the first row's last pixel is bit 9, the
  // last row's last pixel bit 29.
  QTest::newRow("OTB 10 x 3") << "otb" << QSize(10, 3)
                              << QByteArray(
                                     "000A0301"
                                     "80400004");
  QTest::newRow("OTB 16 x 16") << "otb" << QSize(16, 16)
                               << "00101001"
                                  "8001" +
                                      Zeros(29) + "01";
  QTest::newRow("OTB 72 x 14, 4 + 126 bytes") << "otb" << QSize(72, 14)
                                              << "00480E01"
                                                 "80" +
                                                     Zeros(7) + "01" + Zeros(116) + "01";
  QTest::newRow("element 16 x 16, small") << "ems" << QSize(16, 16)
                                          << "112100"
                                             "8001" +
                                                 Zeros(29) + "01\n";
  QTest::newRow("element 32 x 32, large") << "ems" << QSize(32, 32)
                                          << "108100"
                                             "80000001" +
                                                 Zeros(123) + "01\n";
  QTest::newRow("element 72 x 14, variable") << "ems" << QSize(72, 14)
                                             << "128100090E"
                                                "80" +
                                                    Zeros(7) + "01" + Zeros(116) + "01\n";
  QTest::newRow("element 10 x 3, variable") << "ems" << QSize(10, 3)
                                            << QByteArray(
                                                   "120900"
                                                   "0203"
                                                   "8040"
                                                   "0000"
                                                   "0040\n");
}

void ExportFormatsTest::byHand() {
  QFETCH(QString, format);
  QFETCH(QSize, size);
  QFETCH(QByteArray, hex);
  const PixelGrid cells = Corners(size.width(), size.height());
  QByteArray written;
  if (format == QLatin1String("otb")) {
    written = EncodeOtb({size.width(), size.height(), cells}).toHex().toUpper();
  } else {
    QCOMPARE(EncodeEmsElement({size.width(), size.height(), cells}, written), FormatStatus::Ok);
  }
  QCOMPARE(written, hex);
}

void ExportFormatsTest::elementTooLargeForOneMessage_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<bool>("fits");
  QTest::newRow("64 x 16") << QSize(64, 16) << true;
  QTest::newRow("128 x 8") << QSize(128, 8) << true;
  QTest::newRow("72 x 28") << QSize(72, 28) << false;
  QTest::newRow("128 x 96") << QSize(128, 96) << false;
}

void ExportFormatsTest::elementTooLargeForOneMessage() {
  QFETCH(QSize, size);
  QFETCH(bool, fits);
  QByteArray line = "untouched";
  const FormatStatus status = EncodeEmsElement({size.width(), size.height(), PixelGrid()}, line);
  QCOMPARE(status, fits ? FormatStatus::Ok : FormatStatus::TooLargeForMessage);
  if (!fits) QCOMPARE(line, QByteArray("untouched"));
}

void ExportFormatsTest::otbReadsBack() {
  for (const QSize size : {QSize(1, 1), QSize(10, 3), QSize(72, 14), QSize(128, 96)}) {
    PixelGrid cells;
    FillRandom(cells, size.width());
    Picture read;
    QCOMPARE(DecodeOtb(EncodeOtb({size.width(), size.height(), cells}), read), FormatStatus::Ok);
    QCOMPARE(QSize(read.width, read.height), size);
    for (int y = 1; y <= size.height(); ++y)
      for (int x = 1; x <= size.width(); ++x)
        QCOMPARE(read.cells(x, y) != kOff, cells(x, y) != kOff);
  }
  // Two-byte sizes: 256 x 2, larger than the editor holds.
  const QByteArray wide = QByteArray::fromHex(
                              "1001000002"
                              "01") +
                          QByteArray(64, '\xff');
  OtbBitmap bitmap;
  QCOMPARE(ReadOtbBitmap(wide, bitmap), FormatStatus::Ok);
  QCOMPARE(QSize(bitmap.width, bitmap.height), QSize(256, 2));
  QCOMPARE(bitmap.Bytes(), qint64(wide.size()));
  QVERIFY(OtbInk(wide, bitmap, 511));
  Picture picture;
  QCOMPARE(DecodeOtb(wide, picture), FormatStatus::BadSize);
  const QByteArray narrow = QByteArray::fromHex(
                                "1000100002"
                                "01") +
                            QByteArray(4, '\xff');
  QCOMPARE(DecodeOtb(narrow, picture), FormatStatus::Ok);
  QCOMPARE(QSize(picture.width, picture.height), QSize(16, 2));
  QCOMPARE(DecodeOtb(narrow.chopped(1), picture), FormatStatus::Truncated);
  QCOMPARE(ReadOtbBitmap(QByteArray::fromHex("00100002"), bitmap), FormatStatus::NotThisFormat);
  QCOMPARE(DecodeOtb(QByteArray::fromHex("00100002"), picture), FormatStatus::NotThisFormat);
}

QTEST_GUILESS_MAIN(ExportFormatsTest)
#include "tst_export_formats.moc"
