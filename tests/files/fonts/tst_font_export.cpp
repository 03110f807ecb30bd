#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "files/fonts/char_list.h"
#include "files/fonts/font_export.h"
#include "files/fonts/font_loading.h"

using namespace tochkograf;

namespace {

const QString kFixed = QStringLiteral("/usr/share/fonts/X11/misc/6x13.pcf.gz");
const QString kPython = QStringLiteral("/usr/bin/python3");

QList<char32_t> Range(char32_t from, char32_t to) {
  QList<char32_t> codes;
  for (char32_t code = from; code <= to; ++code) codes << code;
  return codes;
}

// A glyph of a box full of ink.
FontGlyph Block(char32_t code, int width, int height) {
  return {code, width + 1, 0, -height, width, height, QByteArray((width + 7) / 8 * height, '\xff')};
}

QString Run(const QString& program, const QStringList& arguments, const QString& folder = {}) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0)
    return QStringLiteral("failed: ") + QString::fromUtf8(process.readAllStandardError());
  return QString::fromUtf8(process.readAllStandardOutput());
}

// Glyph lines by their first word, the code, as the readers print them.
QMap<QString, QString> ByCode(const QString& lines) {
  QMap<QString, QString> glyphs;
  for (const QString& line : lines.split(u'\n', Qt::SkipEmptyParts))
    glyphs.insert(line.section(u' ', 0, 0), line);
  return glyphs;
}

}  // namespace

class FontExportTest : public QObject {
  Q_OBJECT

 private slots:
  void charList_data();
  void charList();
  void refusalsKeepTheFile_data();
  void refusalsKeepTheFile();
  void readersSeeTheSourceFontsGlyphs_data();
  void readersSeeTheSourceFontsGlyphs();
};

void FontExportTest::charList_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QList<char32_t>>("codes");  // empty: refused
  QTest::newRow("ASCII") << "32-126" << Range(32, 126);
  QTest::newRow("Russian") << "U+0410-U+044F" << Range(0x410, 0x44F);
  QTest::newRow("spaces, repeats, case, hex to decimal")
      << " 67 - 69 , u+0041,68,  1025, U+41-66 " << QList<char32_t>{67, 68, 69, 65, 1025, 66};
  QTest::newRow("last character") << "1114111" << QList<char32_t>{0x10FFFF};
  QTest::newRow("most codes, surrogates passed over")
      << "0-65535" << Range(0, 0xD7FF) + Range(0xE000, 0xFFFF);
  QTest::newRow("range over surrogates") << "U+D7FF-U+E000" << QList<char32_t>{0xD7FF, 0xE000};
  QTest::newRow("empty") << "" << QList<char32_t>{};
  QTest::newRow("empty item") << "65,,66" << QList<char32_t>{};
  QTest::newRow("reversed") << "70-60" << QList<char32_t>{};
  QTest::newRow("word") << "abc" << QList<char32_t>{};
  QTest::newRow("hex without U+") << "0x41" << QList<char32_t>{};
  QTest::newRow("signed") << "+65" << QList<char32_t>{};
  QTest::newRow("three ends") << "1-2-3" << QList<char32_t>{};
  QTest::newRow("past Unicode") << "U+110000" << QList<char32_t>{};
  QTest::newRow("huge number") << "99999999999999999999" << QList<char32_t>{};
  QTest::newRow("surrogate") << "U+DC00" << QList<char32_t>{};
  QTest::newRow("range to a surrogate") << "55000-U+D800" << QList<char32_t>{};
  QTest::newRow("too many") << "0-65536" << QList<char32_t>{};
  QTest::newRow("too many, repeated") << "0-40000, 0-40000" << QList<char32_t>{};
}

void FontExportTest::charList() {
  QFETCH(QString, text);
  QFETCH(QList<char32_t>, codes);
  QString error;
  const std::optional<QList<char32_t>> read = ParseCharList(text, &error);
  QCOMPARE(read.value_or(QList<char32_t>{}), codes);
  QCOMPARE(error.contains(QRegularExpression(QStringLiteral("[а-я]"))), codes.isEmpty());
}

void FontExportTest::refusalsKeepTheFile_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QList<char32_t>>("codes");
  QTest::addColumn<bool>("written");
  const QList<char32_t> a{'A'};
  QTest::newRow("bdf") << "f.bdf" << a << true;
  QTest::newRow("GFX, any case") << "f.H" << a << true;
  QTest::newRow("other type") << "f.txt" << a << false;
  QTest::newRow("none in the font") << "f.bdf" << QList<char32_t>{'B', 0x1F600} << false;
  QTest::newRow("some in the font") << "f.h" << QList<char32_t>{'B', 'A'} << true;
  QTest::newRow("no Windows-1251 byte") << "f.h" << QList<char32_t>{'A', 0xE9} << false;
  QTest::newRow("Latin-1 in BDF") << "f.bdf" << QList<char32_t>{'A', 0xE9} << true;
  QTest::newRow("too wide for GFX") << "f.h" << QList<char32_t>{'A', 0x416} << false;
  QTest::newRow("no folder") << "none/f.bdf" << a << false;
}

// A font is written whole or not at all: what was in the file stays.
void FontExportTest::refusalsKeepTheFile() {
  QFETCH(QString, name);
  QFETCH(QList<char32_t>, codes);
  QFETCH(bool, written);
  BitmapFont font{QStringLiteral("Blocks"), 8, 2, {Block('A', 3, 5), Block(0xE9, 3, 7)}};
  font.glyphs.push_back(Block(0x416, 256, 2));
  QTemporaryDir folder;
  const QString path = folder.filePath(name);
  QFile old(path);
  if (old.open(QIODevice::WriteOnly)) old.write("old");
  old.close();
  const QString error = ExportFont(font, codes, path);
  QCOMPARE(error.isEmpty(), written);
  QVERIFY(error.isEmpty() || error.contains(QRegularExpression(QStringLiteral("[а-я]"))));
  QFile now(path);
  QCOMPARE(now.open(QIODevice::ReadOnly) && now.readAll() != "old", written);
}

void FontExportTest::readersSeeTheSourceFontsGlyphs_data() {
  QTest::addColumn<QString>("name");
  QTest::newRow("BDF") << "font.bdf";
  QTest::newRow("Adafruit GFX") << "font.h";
}

// 6x13 written with its Latin letters and every character of Windows-1251's
// upper half (Russian letters among them) is read back, by PIL or
// by the C Adafruit's GFX library draws with, as PIL reads the source font.
void FontExportTest::readersSeeTheSourceFontsGlyphs() {
  QFETCH(QString, name);
  const QString script = QStringLiteral(PIL_FONT_GLYPHS);
  if (!QFile::exists(kFixed)) QSKIP("xfonts-base's 6x13.pcf.gz is not installed");
  if (Run(kPython, {QStringLiteral("-c"), QStringLiteral("import PIL")}).startsWith("failed"))
    QSKIP("python3-pil is not installed");
  QString error;
  const std::optional<FontChoice> choice = ChoiceOfFile(kFixed, &error);
  QVERIFY2(choice, qPrintable(error));
  const QString upper = Run(kPython, {script, QStringLiteral("cp1251")}).trimmed();
  const QList<char32_t> codes = *ParseCharList(QStringLiteral("32-126,") + upper, &error);
  const FontLoading loading = LoadFont(*choice, codes);
  QVERIFY2(loading.font, qPrintable(loading.error));
  QTemporaryDir folder;
  const QString path = folder.filePath(name);
  QCOMPARE(ExportFont(*loading.font, codes, path), QString());
  QString written;
  if (name.endsWith(QStringLiteral(".bdf"))) {
    written = Run(kPython, {script, QStringLiteral("bdf"), path});
  } else {
    if (QStandardPaths::findExecutable(QStringLiteral("gcc")).isEmpty()) QSKIP("no gcc");
    QCOMPARE(Run(QStringLiteral("gcc"),
                 {QStringLiteral("-std=c99"), QStringLiteral("-Wall"), QStringLiteral("-Wextra"),
                  QStringLiteral("-pedantic"), QStringLiteral("-Werror"), QStringLiteral("-I."),
                  QStringLiteral(GFX_GLYPHS), QStringLiteral("-o"), QStringLiteral("draw")},
                 folder.path()),
             QString());
    written = Run(folder.filePath(QStringLiteral("draw")), {});
  }
  const QMap<QString, QString> source =
      ByCode(Run(kPython, {script, QStringLiteral("pcf"), kFixed}));
  const QMap<QString, QString> read = ByCode(written);
  // Every byte but DEL and the one Windows-1251 leaves out, 0x98.
  QStringList chosen{QStringLiteral("line")};
  for (int byte = 32; byte <= 255; ++byte)
    if (byte != 127 && byte != 152) chosen << QString::number(byte);
  for (const QString& key : chosen) QCOMPARE(read.value(key), source.value(key));
  // The GFX header's range holds the others as empty glyphs.
  for (auto it = read.begin(); it != read.end(); ++it)
    if (!chosen.contains(it.key())) QCOMPARE(it.value(), it.key() + QStringLiteral(" 0"));
  QCOMPARE(read.size(), name.endsWith(QStringLiteral(".h")) ? 225 : chosen.size());
}

QTEST_GUILESS_MAIN(FontExportTest)
#include "tst_font_export.moc"
