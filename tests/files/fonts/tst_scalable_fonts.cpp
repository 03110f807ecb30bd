#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "files/fonts/font_loading.h"
#include "files/fonts/installed_fonts.h"

using namespace tochkograf;

namespace {

// The file fontconfig's own tool picks for a family.
QString MatchedFile(const QString& family) {
  QProcess match;
  match.start(QStringLiteral("fc-match"),
              {QStringLiteral("-f"), QStringLiteral("%{file}"), family});
  match.waitForFinished();
  return QString::fromUtf8(match.readAllStandardOutput());
}

}  // namespace

class ScalableFontsTest : public QObject {
  Q_OBJECT

 private slots:
  void glyphsFitTheSizeAndHaveInk_data();
  void glyphsFitTheSizeAndHaveInk();
  void whatIsNotAFontIsRefused();
  void fileBecomesAChoice_data();
  void fileBecomesAChoice();
};

void ScalableFontsTest::glyphsFitTheSizeAndHaveInk_data() {
  QTest::addColumn<QString>("family");
  QTest::addColumn<int>("size");
  for (const QString family : {"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif"})
    for (const int size : {6, 8, 12, 16, 24, 40})
      QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(family).arg(size))) << family << size;
}

// Every letter drawn stays within the size asked, a line of exactly that
// many rows, and every one that is not a space has ink.
void ScalableFontsTest::glyphsFitTheSizeAndHaveInk() {
  QFETCH(QString, family);
  QFETCH(int, size);
  const QString expected = MatchedFile(family);
  if (!expected.contains(QStringLiteral("DejaVu"))) QSKIP("DejaVu is not installed");
  std::optional<FontChoice> choice = InstalledFontNamed(family.toLower());
  QVERIFY(choice && choice->scalable);
  QCOMPARE(choice->file, expected);
  choice->pixel_size = size;
  const QString text = QStringLiteral("AgjyÉЁЙЩÅ()[]|@%$ёйщ{}Ξ 5");
  QList<char32_t> codes;
  for (const uint code : text.toUcs4()) codes.append(code);
  const FontLoading loading = LoadFont(*choice, codes);
  QVERIFY2(loading.font, qPrintable(loading.error));
  const BitmapFont& font = *loading.font;
  QCOMPARE(font.ascent + font.descent, size);
  for (const char32_t code : codes) {
    const FontGlyph* glyph = font.Find(code);
    const QString what = QString::fromUcs4(&code, 1);
    QVERIFY2(glyph, qPrintable(what));
    const QRect ink = glyph->InkBox();
    QVERIFY2(ink.top() >= -font.ascent && ink.bottom() < font.descent, qPrintable(what));
    QVERIFY2(ink.isEmpty() == (code == U' '), qPrintable(what));
    QVERIFY2(glyph->advance > 0, qPrintable(what));
  }
}

void ScalableFontsTest::whatIsNotAFontIsRefused() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("cat.ttf"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(4000, 'x'));
  file.close();
  for (const QString& name : {path, dir.filePath(QStringLiteral("none.ttf"))}) {
    QString error;
    QVERIFY(!ChoiceOfFile(name, &error));
    QVERIFY2(error.contains(QFileInfo(name).fileName()), qPrintable(error));
    FontChoice choice;
    choice.file = name;
    const FontLoading loading = LoadFont(choice, {U'A'});
    QVERIFY(!loading.font && loading.error.contains(QFileInfo(name).fileName()));
  }
}

void ScalableFontsTest::fileBecomesAChoice_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QByteArray>("bytes");  // written to `file` in a folder of the test's
  QTest::addColumn<QString>("caption");   // none: refused
  QTest::addColumn<bool>("scalable");
  const QString misc = QStringLiteral("/usr/share/fonts/X11/misc/");
  QTest::newRow("gzipped PCF") << misc + "6x13.pcf.gz" << QByteArray()
                               << "Fixed SemiCondensed, 13 пикс." << false;
  QTest::newRow("bold PCF") << misc + "7x13B.pcf.gz" << QByteArray() << "Fixed Bold, 13 пикс."
                            << false;
  QTest::newRow("JIS PCF") << misc + "7x14-JISX0201.1976-0.pcf.gz" << QByteArray() << QString()
                           << false;
  QTest::newRow("TrueType") << "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf"
                            << QByteArray() << "DejaVu Sans Mono Bold" << true;
  QTest::newRow("BDF without CHARS")
      << "tiny.bdf"
      << QByteArray(
             "STARTFONT 2.1\nFONT tiny\nSIZE 3 75 75\nFONTBOUNDINGBOX 2 3 0 0\n"
             "STARTCHAR A\nENCODING 65\nDWIDTH 3 0\nBBX 2 3 0 0\nBITMAP\n40\nC0\n40\n"
             "ENDCHAR\nENDFONT\n")
      << "tiny, 3 пикс." << false;
}

// A font file is offered under its family's name, a bitmap one at its
// size; one the editor can't draw is refused when it is chosen.
void ScalableFontsTest::fileBecomesAChoice() {
  QFETCH(QString, file);
  QFETCH(QByteArray, bytes);
  QFETCH(QString, caption);
  QFETCH(bool, scalable);
  QTemporaryDir dir;
  if (!bytes.isEmpty()) {
    file = dir.filePath(file);
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
  }
  if (!QFile::exists(file)) QSKIP("the font is not installed");
  QString error;
  const std::optional<FontChoice> choice = ChoiceOfFile(file, &error);
  QCOMPARE(choice.has_value(), !caption.isEmpty());
  if (!choice) {
    QVERIFY2(error.contains(QFileInfo(file).fileName()), qPrintable(error));
    return;
  }
  QCOMPARE(choice->caption, caption);
  QCOMPARE(choice->scalable, scalable);
  QVERIFY(LoadFont(*choice, {U'A'}).font->Find(U'A'));
}

QTEST_GUILESS_MAIN(ScalableFontsTest)
#include "tst_scalable_fonts.moc"
