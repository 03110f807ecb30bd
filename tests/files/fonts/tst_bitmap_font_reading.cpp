// The bitmap fonts' reader checked against PIL's readers on X11's own
// fonts, against bdftopcf's every layout of one font, and on damaged files.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "files/fonts/bitmap_font_reading.h"
#include "files/fonts/font_loading.h"

using namespace tochkograf;

namespace {

const QString kMisc = QStringLiteral("/usr/share/fonts/X11/misc/");

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a program writes given `input`, or nothing when it fails.
QByteArray Output(const QString& program, const QStringList& arguments,
                  const QByteArray& input = {}) {
  QProcess process;
  process.start(program, arguments);
  process.write(input);
  process.closeWriteChannel();
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  return process.readAllStandardOutput();
}

// A glyph as pil_glyphs.py prints it.
QString Line(const FontGlyph& glyph) {
  QString line = QStringLiteral("%1 %2").arg(quint32(glyph.code)).arg(glyph.advance);
  for (int y = 0; y < glyph.height; ++y)
    for (int x = 0; x < glyph.width; ++x)
      if (glyph.Ink(x, y)) line += QStringLiteral(" %1,%2").arg(glyph.left + x).arg(glyph.top + y);
  return line;
}

// The BDF pcf2bdf makes of an X11 font, in `folder`.
QString AsBdf(const QString& font, const QTemporaryDir& folder) {
  const QString bdf = folder.filePath(QStringLiteral("font.bdf"));
  Output(QStringLiteral("pcf2bdf"), {QStringLiteral("-o"), bdf, kMisc + font + ".pcf.gz"});
  return bdf;
}

void SkipWithout(const QStringList& files) {
  for (const QString& file : files)
    if (!QFile::exists(file)) QSKIP(qPrintable(file + " is not installed"));
}

}  // namespace

class BitmapFontReadingTest : public QObject {
  Q_OBJECT

 private slots:
  void readsAsPilDoes_data();
  void readsAsPilDoes();
  void readsEveryLayout_data();
  void readsEveryLayout();
  void readsBdfByHand();
  void refusesDamage_data();
  void refusesDamage();
};

void BitmapFontReadingTest::readsAsPilDoes_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("font");
  QTest::addColumn<QString>("pick");   // how PIL picks its 256 glyphs
  QTest::addColumn<QString>("means");  // the characters those bytes are
  QTest::newRow("6x13, Latin and Russian") << "pcf"
                                           << "6x13"
                                           << "cp1251"
                                           << "cp1251";
  QTest::newRow("5x7") << "pcf"
                       << "5x7"
                       << "latin-1"
                       << "latin-1";
  QTest::newRow("6x13 bold") << "pcf"
                             << "6x13B"
                             << "cp1251"
                             << "cp1251";
  QTest::newRow("10x20") << "pcf"
                         << "10x20"
                         << "cp1251"
                         << "cp1251";
  QTest::newRow("9x15 in KOI8-R") << "pcf"
                                  << "9x15-KOI8-R"
                                  << "latin-1"
                                  << "koi8-r";
  QTest::newRow("7x13 in ISO8859-5") << "pcf"
                                     << "7x13-ISO8859-5"
                                     << "latin-1"
                                     << "iso8859-5";
  QTest::newRow("10x20 in ISO8859-2, its ASCII") << "pcf"
                                                 << "10x20-ISO8859-2"
                                                 << "latin-1"
                                                 << "ascii";
  QTest::newRow("6x13 as BDF") << "bdf"
                               << "6x13"
                               << "latin-1"
                               << "latin-1";
  QTest::newRow("8x13 in KOI8-R as BDF") << "bdf"
                                         << "8x13-KOI8-R"
                                         << "latin-1"
                                         << "koi8-r";
}

void BitmapFontReadingTest::readsAsPilDoes() {
  QFETCH(QString, kind);
  QFETCH(QString, font);
  QFETCH(QString, pick);
  QFETCH(QString, means);
  SkipWithout({kMisc + font + ".pcf.gz", QStringLiteral("/usr/bin/pcf2bdf"),
               QStringLiteral("/usr/lib/python3/dist-packages/PIL/PcfFontFile.py")});
  QTemporaryDir folder;
  const QString path = kind == "pcf" ? kMisc + font + ".pcf.gz" : AsBdf(font, folder);
  FontChoice choice;
  choice.file = path;
  const FontLoading ours = LoadFont(choice, {});
  QVERIFY2(ours.font, qPrintable(ours.error));
  const QList<QByteArray> pil =
      Output(QStringLiteral("/usr/bin/python3"), {PIL_GLYPHS, kind, path, pick, means}).split('\n');
  int with_ink = 0;
  for (const QByteArray& line : pil) {
    if (line.isEmpty()) continue;
    const FontGlyph* glyph = ours.font->Find(line.split(' ').first().toUInt());
    if (!line.contains(' ')) {
      QVERIFY2(!glyph, line.constData());
      continue;
    }
    QVERIFY2(glyph, line.constData());
    QCOMPARE(Line(*glyph), QString::fromLatin1(line));
    with_ink += line.contains(',');
  }
  QVERIFY2(with_ink > 90, "PIL gave too few glyphs to compare");
}

void BitmapFontReadingTest::readsEveryLayout_data() {
  QTest::addColumn<QStringList>("layout");  // bdftopcf's options
  QTest::addColumn<bool>("wide");           // a glyph too wide for one byte's metrics
  QTest::newRow("rows padded to a byte") << QStringList{"-p1"} << false;
  QTest::newRow("rows padded to two bytes") << QStringList{"-p2"} << false;
  QTest::newRow("least significant bit first") << QStringList{"-l"} << false;
  QTest::newRow("least significant byte first") << QStringList{"-L", "-u4"} << false;
  QTest::newRow("bits and bytes the other way") << QStringList{"-l", "-L", "-u2"} << false;
  QTest::newRow("bits one way, bytes the other") << QStringList{"-m", "-L", "-u4", "-p4"} << false;
  QTest::newRow("metrics of two bytes") << QStringList{"-M"} << true;
  QTest::newRow("metrics of two bytes, little-endian") << QStringList{"-L", "-l"} << true;
}

void BitmapFontReadingTest::readsEveryLayout() {
  QFETCH(QStringList, layout);
  QFETCH(bool, wide);
  SkipWithout({kMisc + "6x13.pcf.gz", QStringLiteral("/usr/bin/pcf2bdf"),
               QStringLiteral("/usr/bin/bdftopcf")});
  QTemporaryDir folder;
  QByteArray bdf = FileBytes(AsBdf(QStringLiteral("6x13"), folder));
  const QByteArray narrow = "DWIDTH 6 0\nBBX 6 13 0 -2\n";
  if (wide) bdf.replace(bdf.indexOf(narrow), narrow.size(), "DWIDTH 300 0\nBBX 6 13 0 -2\n");
  const QByteArray pcf = Output(QStringLiteral("bdftopcf"), layout, bdf);
  const FontLoading from_bdf = ReadBitmapFont(bdf), from_pcf = ReadBitmapFont(pcf);
  QVERIFY2(from_bdf.font, qPrintable(from_bdf.error));
  QVERIFY2(from_pcf.font, qPrintable(from_pcf.error));
  QCOMPARE(from_pcf.font->ascent, from_bdf.font->ascent);
  QCOMPARE(from_pcf.font->descent, from_bdf.font->descent);
  QCOMPARE(from_pcf.font->glyphs.size(), from_bdf.font->glyphs.size());
  QVERIFY(from_pcf.font->Find(U'Ж'));
  const std::vector<FontGlyph>& a_glyphs = from_pcf.font->glyphs;
  for (std::size_t i = 0; i < from_bdf.font->glyphs.size(); ++i) {
    const FontGlyph &a = from_pcf.font->glyphs[i], &b = from_bdf.font->glyphs[i];
    QCOMPARE(Line(a), Line(b));
    QCOMPARE(QRect(a.left, a.top, a.width, a.height), QRect(b.left, b.top, b.width, b.height));
  }
  const auto wide_glyph = [](const FontGlyph& g) { return g.advance == 300; };
  QCOMPARE(std::any_of(a_glyphs.begin(), a_glyphs.end(), wide_glyph), wide);
}

// A font with no line's height of its own and no CHARS, a glyph without a
// code, rows with bits past the glyph's width and a row's digits cut short.
void BitmapFontReadingTest::readsBdfByHand() {
  const QByteArray bdf =
      "STARTFONT 2.1\nFONT test\nSIZE 8 75 75\nFONTBOUNDINGBOX 6 9 0 -2\n"
      "STARTCHAR none\nENCODING -1\nDWIDTH 6 0\nBBX 2 2 0 0\nBITMAP\nC0\nC0\nENDCHAR\n"
      "STARTCHAR A\nENCODING 1040\nDWIDTH 7 0\nBBX 3 3 1 -1\nBITMAP\nFF\nA\n40\nENDCHAR\n"
      "ENDFONT\n";
  const FontLoading read = ReadBitmapFont(bdf);
  QVERIFY2(read.font, qPrintable(read.error));
  QCOMPARE(read.font->ascent, 7);
  QCOMPARE(read.font->descent, 2);
  QCOMPARE(read.font->glyphs.size(), std::size_t(1));
  QCOMPARE(Line(read.font->glyphs[0]), QStringLiteral("1040 7 1,-2 2,-2 3,-2 1,-1 3,-1 2,0"));
  QCOMPARE(read.font->glyphs[0].rows, QByteArray("\xe0\xa0\x40"));
}

void BitmapFontReadingTest::refusesDamage_data() {
  QTest::addColumn<QByteArray>("bytes");
  const QByteArray gzip_5x7 = FileBytes(kMisc + "5x7.pcf.gz");
  const QByteArray pcf = Output(QStringLiteral("gzip"), {"-dc"}, gzip_5x7);
  if (pcf.size() < 1000) QSKIP("5x7.pcf.gz of xfonts-base is not installed");
  // Each table's offset in the table of contents; its fields are big-endian.
  QHash<quint32, int> table;
  for (int i = 0; i < qFromLittleEndian<qint32>(pcf.constData() + 4); ++i)
    table[qFromLittleEndian<quint32>(pcf.constData() + 8 + 16 * i)] =
        qFromLittleEndian<qint32>(pcf.constData() + 8 + 16 * i + 12);
  const auto patched = [&pcf](int at, QByteArray bytes) {
    return QByteArray(pcf).replace(at, bytes.size(), bytes);
  };
  QTest::newRow("PCF cut after its table of contents") << pcf.left(8 + 16 * 3);
  QTest::newRow("PCF cut in half") << pcf.left(pcf.size() / 2);
  QTest::newRow("PCF of 2^31 tables") << patched(4, QByteArray("\xff\xff\xff\x7f", 4));
  QTest::newRow("PCF table past the end") << patched(20, QByteArray("\xf0\xff\xff\x0f", 4));
  QTest::newRow("PCF without metrics")
      << patched(pcf.indexOf(QByteArray("\x04\x00\x00\x00", 4), 8), QByteArray("\x00\x40", 2));
  QTest::newRow("PCF of 32767 metrics") << patched(table[4] + 4, "\x7f\xff");
  QTest::newRow("PCF glyph past its bitmaps")
      << patched(table[8] + 8 + 4 * 100, QByteArray("\x7f\xff\xff\x00", 4));
  QTest::newRow("PCF codes in 32767 columns") << patched(table[32] + 6, "\x7f\xff");
  QTest::newRow("PCF properties of 2^31 strings")
      << patched(table[1] + 4, QByteArray("\x7f\xff\xff\xff", 4));
  QTest::newRow("gzip cut short") << gzip_5x7.left(gzip_5x7.size() / 2);
  QTest::newRow("gzip bomb") << Output(QStringLiteral("gzip"), {"-c"},
                                       QByteArray(17 * 1024 * 1024, '\0'));
  QTest::newRow("gzip of a letter") << Output(QStringLiteral("gzip"), {"-c"}, "Hello");
  const QByteArray head = "STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 0\nCHARS 1\n";
  const QByteArray glyph =
      "STARTCHAR a\nENCODING 65\nDWIDTH 8 0\nBBX 8 2 0 0\nBITMAP\nFF\nFF\nENDCHAR\n";
  QTest::newRow("BDF cut before ENDFONT") << head + glyph;
  QTest::newRow("BDF glyph 100000 wide")
      << head + QByteArray(glyph).replace("BBX 8", "BBX 100000") + "ENDFONT\n";
  QTest::newRow("BDF rows not hex")
      << head + QByteArray(glyph).replace("FF\nFF", "FF\nZZ") + "ENDFONT\n";
  QTest::newRow("BDF fewer rows than its box")
      << head + QByteArray(glyph).replace("FF\nFF\n", "FF\n") + "ENDFONT\n";
  QTest::newRow("BDF more rows than its box")
      << head + QByteArray(glyph).replace("FF\nFF\n", "FF\nFF\nFF\n") + "ENDFONT\n";
  QTest::newRow("BDF of 70000 glyphs") << head + glyph.repeated(70000) + "ENDFONT\n";
  QByteArray huge = "STARTCHAR a\nENCODING 65\nBBX 256 256 0 0\nBITMAP\n";
  QTest::newRow("BDF of short rows standing for 48 MiB")
      << head + (huge + QByteArray("0\n").repeated(256) + "ENDCHAR\n").repeated(6000) + "ENDFONT\n";
  QTest::newRow("BDF in Japanese JIS")
      << "STARTFONT 2.1\nSTARTPROPERTIES 2\nCHARSET_REGISTRY \"JISX0208.1983\"\n"
         "CHARSET_ENCODING \"0\"\nENDPROPERTIES\nCHARS 1\n" +
             glyph + "ENDFONT\n";
  QTest::newRow("BDF with no glyph") << head + "ENDFONT\n";
  QTest::newRow("BDF line 10^9 rows deep")
      << "STARTFONT 2.1\nSTARTPROPERTIES 1\nFONT_ASCENT 1000000000\nENDPROPERTIES\nCHARS 1\n" +
             glyph + "ENDFONT\n";
}

void BitmapFontReadingTest::refusesDamage() {
  QFETCH(QByteArray, bytes);
  QVERIFY(!bytes.isEmpty());
  const FontLoading read = ReadBitmapFont(bytes);
  QVERIFY(!read.font);
  QVERIFY(!read.error.isEmpty());
}

QTEST_GUILESS_MAIN(BitmapFontReadingTest)
#include "tst_bitmap_font_reading.moc"
