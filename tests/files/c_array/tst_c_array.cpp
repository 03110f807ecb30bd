#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "fakes/animations.h"
#include "fakes/pictures.h"
#include "fakes/sample_pictures.h"
#include "files/c_array/c_array_format.h"
#include "files/c_array/c_array_reading.h"
#include "files/c_array/c_array_scan.h"
#include "files/status_texts.h"
#include "picture/ellipse.h"
#include "picture/pixel_font.h"
#include "picture/shapes.h"

using namespace tochkograf;

namespace {

// Ink at the four corners only; cells beyond the picture set at random.
Picture Corners(int width, int height) {
  Picture picture{width, height, {}};
  FillRandom(picture.cells, 9);
  for (int y = 1; y <= height; ++y)
    for (int x = 1; x <= width; ++x) picture.cells(x, y) = kOff;
  picture.cells(1, 1) = picture.cells(width, 1) = kOn;
  picture.cells(1, height) = picture.cells(width, height) = kOn;
  return picture;
}

QByteArray Hex(const char* text) { return QByteArray::fromHex(text); }

// The values a header holds, read by a pattern of its own.
QByteArray ValuesIn(const QByteArray& header) {
  QByteArray values;
  const QByteArray array = header.mid(header.indexOf("[]"));
  QRegularExpression value(QStringLiteral("0x([0-9a-f]{2})"));
  for (const auto& match : value.globalMatch(QString::fromLatin1(array)))
    values += char(match.captured(1).toInt(nullptr, 16));
  return values;
}

CArrayOptions Options(ByteLayout layout, SetBit meaning = SetBit::Ink, bool progmem = false,
                      Compression compression = Compression::None) {
  return {layout, meaning, QStringLiteral("art"), progmem, compression};
}

// A logo as small displays show them: a frame round the panel, a circle
// and two lines of text, on 128 x 64.
Picture Logo() {
  Picture logo{128, 64, {}};
  for (const CellRuns& runs :
       {ShapeRuns(Shape::kRectangle, {1, 1}, {128, 64}),
        EllipseRuns(QRect(QPoint(6, 10), QPoint(40, 54)), false),
        TextRuns(QStringLiteral("Точкограф"), BuiltInFont(FontSize::kNormal), {46, 20}).runs,
        TextRuns(QStringLiteral("EMS 128x64"), BuiltInFont(FontSize::kSmall), {46, 40}).runs})
    for (const CellRun& run : runs)
      for (int x = run.first; x <= run.last; ++x) logo.cells(x, run.y) = kOn;
  return logo;
}

// What compiling and running `files` (name, text) with `compiler` prints;
// the compiler's complaint after "!" where it fails.
QByteArray CompiledAndRun(const QString& compiler, const QStringList& flags,
                          const QList<std::pair<QString, QByteArray>>& files) {
  QTemporaryDir folder;
  QStringList sources;
  for (const auto& [name, text] : files) {
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) return "!write";
    if (name.endsWith(QStringLiteral(".c"))) sources << file.fileName();
  }
  const QString binary = folder.filePath(QStringLiteral("run"));
  QProcess build;
  build.start(compiler, flags + sources + QStringList{QStringLiteral("-o"), binary});
  if (!build.waitForFinished(60000) || build.exitCode() != 0)
    return '!' + build.readAllStandardError();
  QProcess run;
  run.start(binary);
  run.waitForFinished(10000);
  return run.readAllStandardOutput() + (run.exitCode() == 0 ? "" : "!exit");
}

const QStringList kStrict = {QStringLiteral("-Wall"), QStringLiteral("-Wextra"),
                             QStringLiteral("-pedantic"), QStringLiteral("-Werror")};

}  // namespace

class CArrayTest : public QObject {
  Q_OBJECT

 private slots:
  void bytesByHand_data();
  void bytesByHand();
  void everySizeReadsBack_data();
  void everySizeReadsBack();
  void compilerReadsTheHeader_data();
  void compilerReadsTheHeader();
  void compilerReadsEveryFrame_data();
  void compilerReadsEveryFrame();
  void unpackGivesTheRawBytes_data();
  void unpackGivesTheRawBytes();
  void packsASparseLogoToUnderAThird();
  void readsLiterals_data();
  void readsLiterals();
  void guessesTheSize_data();
  void guessesTheSize();
  void guessesTheLayout_data();
  void guessesTheLayout();
  void badTextChangesNothing_data();
  void badTextChangesNothing();
  void hugeArrayKeepsBoundedMemory();
  void namesFromFileNames_data();
  void namesFromFileNames();
};

void CArrayTest::bytesByHand_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("layout");
  QTest::addColumn<int>("meaning");
  QTest::addColumn<QByteArray>("bytes");
  const int ink = int(SetBit::Ink);
  QTest::newRow("10x3 rows-msb") << QSize(10, 3) << int(ByteLayout::RowsMsbLeft) << ink
                                 << Hex("804000008040");
  QTest::newRow("10x3 rows-lsb") << QSize(10, 3) << int(ByteLayout::RowsLsbLeft) << ink
                                 << Hex("010200000102");
  QTest::newRow("10x3 pages-lsb") << QSize(10, 3) << int(ByteLayout::PagesLsbTop) << ink
                                  << Hex("05000000000000000005");
  QTest::newRow("10x3 pages-msb") << QSize(10, 3) << int(ByteLayout::PagesMsbTop) << ink
                                  << Hex("a00000000000000000a0");
  // Paper set: the padding of each row stays clear.
  QTest::newRow("10x3 rows-msb paper")
      << QSize(10, 3) << int(ByteLayout::RowsMsbLeft) << int(SetBit::Paper) << Hex("7f80ffc07f80");
  QTest::newRow("10x3 pages-lsb paper") << QSize(10, 3) << int(ByteLayout::PagesLsbTop)
                                        << int(SetBit::Paper) << Hex("02070707070707070702");
  const QByteArray rows_middle(16, '\0');
  QTest::newRow("16x10 rows-msb") << QSize(16, 10) << int(ByteLayout::RowsMsbLeft) << ink
                                  << Hex("8001") + rows_middle + Hex("8001");
  QTest::newRow("16x10 rows-lsb") << QSize(16, 10) << int(ByteLayout::RowsLsbLeft) << ink
                                  << Hex("0180") + rows_middle + Hex("0180");
  const QByteArray page(14, '\0');
  QTest::newRow("16x10 pages-lsb") << QSize(16, 10) << int(ByteLayout::PagesLsbTop) << ink
                                   << Hex("01") + page + Hex("0102") + page + Hex("02");
  QTest::newRow("16x10 pages-msb") << QSize(16, 10) << int(ByteLayout::PagesMsbTop) << ink
                                   << Hex("80") + page + Hex("8040") + page + Hex("40");
}

void CArrayTest::bytesByHand() {
  QFETCH(QSize, size);
  QFETCH(int, layout);
  QFETCH(int, meaning);
  QFETCH(QByteArray, bytes);
  const Picture picture = Corners(size.width(), size.height());
  const QByteArray header = EncodeCArray(picture, Options(ByteLayout(layout), SetBit(meaning)));
  QCOMPARE(ValuesIn(header), bytes);
  QVERIFY(header.contains("#pragma once"));
  QVERIFY(header.contains(QStringLiteral("#define ART_WIDTH %1\n").arg(size.width()).toLatin1()));
  QVERIFY(header.contains(QStringLiteral("#define ART_HEIGHT %1\n").arg(size.height()).toLatin1()));
  QVERIFY(header.contains("const uint8_t art[] = {"));
  // 16 values a line, the last line the rest.
  QList<qsizetype> per_line;
  for (const QByteArray& line : header.split('\n'))
    if (line.startsWith("    0x")) per_line << line.count("0x");
  QVERIFY(!per_line.isEmpty());
  QCOMPARE(per_line.size(), (bytes.size() + 15) / 16);
  QCOMPARE(per_line.count(16), bytes.size() / 16);
}

void CArrayTest::everySizeReadsBack_data() {
  QTest::addColumn<int>("layout");
  for (const LayoutName& name : LayoutNames())
    QTest::newRow(qPrintable(name.option)) << int(name.layout);
}

// Through the reader's own guesses: what the header says of itself.
void CArrayTest::everySizeReadsBack() {
  QFETCH(int, layout);
  const Picture whole = RandomPicture(kMaxWidth, kMaxHeight, quint32(layout));
  for (int height = 1; height <= kMaxHeight; ++height)
    for (int width = 1; width <= kMaxWidth; ++width) {
      const Picture picture{width, height, whole.cells};
      const SetBit meaning = (width + height) % 2 ? SetBit::Ink : SetBit::Paper;
      Picture read;
      const Compression compression = width % 5 == 0 ? Compression::Rle : Compression::None;
      QCOMPARE(DecodeCArray(EncodeCArray(picture, Options(ByteLayout(layout), meaning,
                                                          width % 3 == 0, compression)),
                            read),
               FormatStatus::Ok);
      if (!(read == picture)) QFAIL(qPrintable(QStringLiteral("%1x%2").arg(width).arg(height)));
    }
}

void CArrayTest::compilerReadsTheHeader_data() {
  QTest::addColumn<QString>("compiler");
  QTest::addColumn<QStringList>("flags");
  QTest::addColumn<int>("layout");
  for (const LayoutName& name : LayoutNames()) {
    QTest::addRow("gcc %s", qPrintable(name.option))
        << "gcc" << QStringList{"-std=c99", "-xc"} + kStrict << int(name.layout);
    QTest::addRow("g++ %s", qPrintable(name.option))
        << "g++" << QStringList{"-xc++"} + kStrict << int(name.layout);
  }
}

// A program that includes the header prints its bits by the layouts' own
// rules, as a display library would take them.
void CArrayTest::compilerReadsTheHeader() {
  QFETCH(QString, compiler);
  QFETCH(QStringList, flags);
  QFETCH(int, layout);
  const QString found = QStandardPaths::findExecutable(compiler);
  if (found.isEmpty()) QSKIP("no compiler");
  const Picture picture = RandomPicture(21, 13, 4);
  const char* rules[] = {
      "(art[y * ((W + 7) / 8) + x / 8] >> (7 - x % 8)) & 1",
      "(art[y * ((W + 7) / 8) + x / 8] >> (x % 8)) & 1",
      "(art[x + (y / 8) * W] >> (y % 8)) & 1",
      "(art[x + (y / 8) * W] >> (7 - y % 8)) & 1",
  };
  const QByteArray program = QByteArray(
                                 "#include <stdio.h>\n#include \"art.h\"\n#define W ART_WIDTH\n"
                                 "int main(void) {\n  int x, y;\n"
                                 "  for (y = 0; y < ART_HEIGHT; ++y) {\n"
                                 "    for (x = 0; x < W; ++x) putchar(") +
                             rules[layout] +
                             " ? '#' : '.');\n    putchar('\\n');\n  }\n  return 0;\n}\n";
  QByteArray expected;
  for (int y = 1; y <= picture.height; ++y) {
    for (int x = 1; x <= picture.width; ++x) expected += picture.cells(x, y) != kOff ? '#' : '.';
    expected += '\n';
  }
  QCOMPARE(
      CompiledAndRun(
          found, flags,
          {{"art.h", EncodeCArray(picture, Options(ByteLayout(layout), SetBit::Ink, layout % 2))},
           {"print.c", program}}),
      expected);
}

void CArrayTest::compilerReadsEveryFrame_data() {
  QTest::addColumn<Animation>("animation");
  QTest::addColumn<int>("layout");
  QTest::addColumn<bool>("progmem");
  QTest::newRow("2 frames, rows") << RandomAnimation(21, 13, 2, 5) << int(ByteLayout::RowsMsbLeft)
                                  << false;
  QTest::newRow("3 frames of 1 x 1, pages")
      << RandomAnimation(1, 1, 3, 6) << int(ByteLayout::PagesLsbTop) << true;
  QTest::newRow("64 frames of 128 x 96, pages")
      << RandomAnimation(kMaxWidth, kMaxHeight, kMaxFrames, 7) << int(ByteLayout::PagesLsbTop)
      << false;
}

// A program that includes the header prints each frame's bits, found by
// the frame's place in the array, and its duration.
void CArrayTest::compilerReadsEveryFrame() {
  QFETCH(Animation, animation);
  QFETCH(int, layout);
  QFETCH(bool, progmem);
  const QString gcc = QStandardPaths::findExecutable(QStringLiteral("gcc"));
  if (gcc.isEmpty()) QSKIP("no compiler");
  const bool rows = ByteLayout(layout) == ByteLayout::RowsMsbLeft;
  const QByteArray bit = rows ? "(f[y * ((W + 7) / 8) + x / 8] >> (7 - x % 8)) & 1"
                              : "(f[x + (y / 8) * W] >> (y % 8)) & 1";
  const int frame_bytes = rows ? (animation.width + 7) / 8 * animation.height
                               : animation.width * ((animation.height + 7) / 8);
  const QByteArray program =
      "#include <stdio.h>\n#include \"anim.h\"\n#define W ANIM_WIDTH\n"
      "int main(void) {\n  int i, x, y;\n"
      "  if (sizeof anim != ANIM_FRAMES * " +
      QByteArray::number(frame_bytes) +
      ") return 1;\n"
      "  for (i = 0; i < ANIM_FRAMES; ++i) {\n"
      "    const uint8_t* f = anim + i * (sizeof anim / ANIM_FRAMES);\n"
      "    printf(\"%u\\n\", (unsigned)anim_durations[i]);\n"
      "    for (y = 0; y < ANIM_HEIGHT; ++y) {\n"
      "      for (x = 0; x < W; ++x) putchar(" +
      bit + " ? '#' : '.');\n      putchar('\\n');\n    }\n  }\n  return 0;\n}\n";
  QByteArray expected;
  for (const AnimationFrame& frame : animation.frames) {
    expected += QByteArray::number(frame.duration) + '\n';
    for (int y = 1; y <= animation.height; ++y) {
      for (int x = 1; x <= animation.width; ++x) expected += frame.cells.At(x, y) ? '#' : '.';
      expected += '\n';
    }
  }
  const QByteArray header = EncodeCArrayAnimation(
      animation, {ByteLayout(layout), SetBit::Ink, QStringLiteral("anim"), progmem});
  QCOMPARE(CompiledAndRun(gcc, QStringList{"-std=c99"} + kStrict,
                          {{"anim.h", header}, {"print.c", program}}),
           expected);
}

void CArrayTest::unpackGivesTheRawBytes_data() {
  QTest::addColumn<QString>("compiler");
  QTest::addColumn<QStringList>("flags");
  QTest::addColumn<Animation>("animation");
  QTest::addColumn<int>("layout");
  Animation several = RandomAnimation(37, 21, 3, 8);
  several.frames[1].cells = PackedBlock::Of(Corners(37, 21).cells);
  for (const LayoutName& name : LayoutNames()) {
    const bool pages = name.layout == ByteLayout::PagesLsbTop;
    QTest::addRow("gcc, one frame, %s", qPrintable(name.option))
        << "gcc" << QStringList{"-std=c99", "-xc"} + kStrict << Animation::Of(Logo())
        << int(name.layout);
    QTest::addRow("g++, 3 frames, %s", qPrintable(name.option))
        << "g++" << QStringList{"-xc++"} + kStrict
        << (pages ? RandomAnimation(kMaxWidth, kMaxHeight, kMaxFrames, 9) : several)
        << int(name.layout);
  }
}

// Two C files include the packed header and the plain one, as two files of
// one program do; one of them unpacks every frame and compares it with the
// plain array's, and checks that nothing is written past the frame.
void CArrayTest::unpackGivesTheRawBytes() {
  QFETCH(QString, compiler);
  QFETCH(QStringList, flags);
  QFETCH(Animation, animation);
  QFETCH(int, layout);
  const QString found = QStandardPaths::findExecutable(compiler);
  if (found.isEmpty()) QSKIP("no compiler");
  CArrayOptions options = Options(ByteLayout(layout), SetBit(layout % 2), layout % 2 == 0);
  options.name = QStringLiteral("plain");
  const QByteArray plain = EncodeCArrayAnimation(animation, options);
  options.name = QStringLiteral("packed");
  options.compression = Compression::Rle;
  const QByteArray packed = EncodeCArrayAnimation(animation, options);
  const QByteArray both =
      "#include <stdio.h>\n#include <string.h>\n#include \"packed.h\"\n"
      "#include \"plain.h\"\n";
  const QByteArray main_c = both +
                            "int other(void);\n"
                            "int main(void) {\n"
                            "  static uint8_t frame[PACKED_BYTES + 1];\n"
                            "  unsigned i, frames = sizeof plain / PLAIN_BYTES;\n"
                            "  for (i = 0; i < frames; ++i) {\n"
                            "    frame[PACKED_BYTES] = 0xa5;\n"
                            "    packed_unpack((uint8_t)i, frame);\n"
                            "    if (memcmp(frame, plain + i * PLAIN_BYTES, PLAIN_BYTES) != 0 ||\n"
                            "        frame[PACKED_BYTES] != 0xa5)\n"
                            "      printf(\"frame %u differs\\n\", i);\n"
                            "  }\n"
                            "  printf(\"%u frames\\n\", frames);\n"
                            "  return other();\n"
                            "}\n";
  const QByteArray other_c =
      both + "int other(void) { return sizeof plain == 0 || sizeof packed == 0; }\n";
  QCOMPARE(
      CompiledAndRun(
          found, flags,
          {{"packed.h", packed}, {"plain.h", plain}, {"main.c", main_c}, {"other.c", other_c}}),
      QByteArray::number(animation.Count()) + " frames\n");
}

// Each layout of the logo packs to less than a third of its bytes.
void CArrayTest::packsASparseLogoToUnderAThird() {
  for (const LayoutName& name : LayoutNames()) {
    const CArraySizes sizes = SizesOf(Animation::Of(Logo()), name.layout, SetBit::Ink);
    qInfo("%s: %lld bytes, packed %lld", qPrintable(name.option), sizes.raw, sizes.packed);
    QCOMPARE(sizes.raw, 1024);
    QVERIFY(sizes.packed * 3 < sizes.raw);
  }
}

void CArrayTest::readsLiterals_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("name");
  const QByteArray five = Hex("00ff0a8001");
  QTest::newRow("hex") << QByteArray("static const unsigned char a[] = {0x00,0xFF,0x0a,0x80,0x1};")
                       << five << QStringLiteral("a");
  QTest::newRow("decimal, trailing comma")
      << QByteArray("uint8_t logo[5] = { 0, 255, 10, 128, 1, };") << five << QStringLiteral("logo");
  QTest::newRow("binary, Arduino")
      << QByteArray("const byte b[] PROGMEM = {0b0, B11111111, 0b1010, 0B10000000, B1};") << five
      << QStringLiteral("b");
  QTest::newRow("octal, suffixes")
      << QByteArray("char c[] = {00, 0377u, 012U, 0x80UL, 1l};") << five << QStringLiteral("c");
  QTest::newRow("comments everywhere")
      << QByteArray(
             "// int no[] = {999};\n/* x[] = {1, 2}; */ int d[] /* } */ = {\n"
             "  0, // { 7,\n  255, /* 3 */ 10,\n  128, 1 // end\n};")
      << five << QStringLiteral("d");
  QTest::newRow("strings and a larger list before")
      << QByteArray(
             "const char* s = \"e[] = {1};\";\nint big[] = {1000, 2};\n"
             "const uint8_t e[] = {0,255,10,128,1};")
      << five << QStringLiteral("e");
  QTest::newRow("nested braces") << QByteArray("uint8_t f[][2] = {{0, 255}, {10, 128}, {1}};")
                                 << five << QStringLiteral("f");
}

void CArrayTest::readsLiterals() {
  QFETCH(QByteArray, text);
  QFETCH(QByteArray, bytes);
  QFETCH(QString, name);
  CArrayScan scan;
  QCOMPARE(ScanCArray(text, scan), FormatStatus::Ok);
  QCOMPARE(scan.bytes, bytes);
  QCOMPARE(scan.count, bytes.size());
  QCOMPARE(scan.name, name);
}

void CArrayTest::guessesTheSize_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<QSize>("size");
  const auto zeros = [](int count) {
    QByteArray list = "{";
    for (int i = 0; i < count; ++i) list += "0,";
    return list + "}";
  };
  QTest::newRow("defines") << "#define LOGO_WIDTH 40\n#define LOGO_HEIGHT 8\nchar logo[] = " +
                                  zeros(40)
                           << QSize(40, 8);
  QTest::newRow("lower-case defines")
      << "#define pic_width  (24)\n#define pic_height 5\nchar pic_bits[] = " + zeros(15)
      << QSize(24, 5);
  QTest::newRow("comment beside") << "// 'cat', 24x5px\nconst char cat[] = " + zeros(15)
                                  << QSize(24, 5);
  QTest::newRow("comment far away")
      << "// 24x5\n\n\n\n\nconst char cat[] = " + zeros(1024) << QSize(128, 64);
  QTest::newRow("1024 bytes") << "char a[] = " + zeros(1024) << QSize(128, 64);
  QTest::newRow("512 bytes") << "char a[] = " + zeros(512) << QSize(128, 32);
  QTest::newRow("528 bytes") << "char a[] = " + zeros(528) << QSize(84, 48);
  QTest::newRow("768 bytes") << "char a[] = " + zeros(768) << QSize(96, 64);
  QTest::newRow("384 bytes") << "char a[] = " + zeros(384) << QSize(64, 48);
  QTest::newRow("128 bytes") << "char a[] = " + zeros(128) << QSize(32, 32);
  QTest::newRow("32 bytes") << "char a[] = " + zeros(32) << QSize(16, 16);
  QTest::newRow("126 bytes") << "char a[] = " + zeros(126) << QSize(72, 14);
  QTest::newRow("pages by comment")
      << "/* --layout pages-lsb */ char a[] = " + zeros(504) << QSize(84, 48);
}

void CArrayTest::guessesTheSize() {
  QFETCH(QByteArray, text);
  QFETCH(QSize, size);
  CArrayScan scan;
  QCOMPARE(ScanCArray(text, scan), FormatStatus::Ok);
  QCOMPARE(GuessedReading(scan).size, size);
}

void CArrayTest::guessesTheLayout_data() {
  QTest::addColumn<Picture>("picture");
  QTest::addColumn<int>("layout");
  for (const QSize size : {QSize(128, 64), QSize(84, 48), QSize(72, 14)})
    for (const SampleKind kind :
         {SampleKind::Text, SampleKind::Frames, SampleKind::Circles, SampleKind::DitheredPhoto})
      for (const LayoutName& name : LayoutNames())
        QTest::addRow("%s %dx%d %s", qPrintable(KindName(kind)), size.width(), size.height(),
                      qPrintable(name.option))
            << SamplePicture(kind, size.width(), size.height()) << int(name.layout);
}

// The array pasted without the comment that names its layout and size.
void CArrayTest::guessesTheLayout() {
  QFETCH(Picture, picture);
  QFETCH(int, layout);
  const QByteArray header = EncodeCArray(picture, Options(ByteLayout(layout)));
  const QByteArray pasted = header.mid(header.indexOf("static const"));
  QVERIFY(!pasted.contains("--layout") && !pasted.contains("WIDTH"));
  Picture read;
  QCOMPARE(DecodeCArray(pasted, read), FormatStatus::Ok);
  QCOMPARE(QSize(read.width, read.height), QSize(picture.width, picture.height));
  QVERIFY(read == picture);
}

// The reason names the first value that kept a list from being the array,
// and its line, where there is one.
void CArrayTest::badTextChangesNothing_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<int>("status");
  QTest::addColumn<QString>("named");
  const int no_array = int(FormatStatus::NoArray);
  QTest::newRow("empty") << QByteArray() << no_array << "";
  QTest::newRow("prose") << QByteArray("Just a note {with braces}, 1, 2, 3.") << no_array << "";
  QTest::newRow("floats") << QByteArray("float f[] = {1.5, 2.0};") << no_array << "«1.5»";
  QTest::newRow("above 255") << QByteArray("int a[] = {1,\n 256, 3};")
                             << int(FormatStatus::NotBytes) << "в строке 2 в массиве число «256»";
  QTest::newRow("a cast") << QByteArray("// logo\nconst uint8_t a[] = {\n  (uint8_t)0xFF, 0x01};")
                          << no_array << "в строке 3 значение «(uint8_t)0xFF»";
  QTest::newRow("a sign") << QByteArray("char a[] = {1, -1};") << no_array
                          << "в строке 1 значение «-1»";
  QTest::newRow("an expression") << QByteArray("\nchar a[] = {0x80|0x01, 2};") << no_array
                                 << "в строке 2 значение «0x80|0x01»";
  QTest::newRow("unclosed") << QByteArray("char a[] = {1, 2, 3") << no_array << "";
  QTest::newRow("10 MB of braces") << QByteArray(10 << 20, '{') << no_array << "";
  QTest::newRow("10 MB comment") << "/*" + QByteArray(10 << 20, 'x') << no_array << "";
  QTest::newRow("10 MB of names") << "a[] = {" + QByteArray(10 << 20, 'z') << no_array << "…";
}

void CArrayTest::badTextChangesNothing() {
  QFETCH(QByteArray, text);
  QFETCH(int, status);
  QFETCH(QString, named);
  CArrayScan scan;
  scan.name = QStringLiteral("before");
  scan.count = 7;
  CArrayRefusal refusal;
  QCOMPARE(ScanCArray(text, scan, &refusal), FormatStatus(status));
  const QString reason = ScanFailureReason(FormatStatus(status), refusal);
  QVERIFY2(named.isEmpty() ? reason == FormatFailureReason(FormatStatus(status))
                           : reason.contains(named),
           qPrintable(reason));
  QCOMPARE(scan.name, QStringLiteral("before"));
  QCOMPARE(scan.count, 7);
  Picture picture = Corners(5, 5);
  QCOMPARE(DecodeCArray(text, picture), FormatStatus(status));
  QVERIFY(picture == Corners(5, 5));
}

void CArrayTest::hugeArrayKeepsBoundedMemory() {
  QByteArray text = "char a[] = {";
  for (int i = 0; i < 2'500'000; ++i) text += "0x5,";
  CArrayScan scan;
  QCOMPARE(ScanCArray(text + "};", scan), FormatStatus::Ok);
  QCOMPARE(scan.count, 2'500'000);
  QVERIFY(scan.bytes.size() < 1 << 20);  // a kept part, not millions
  QCOMPARE(scan.bytes.left(3), Hex("050505"));
}

void CArrayTest::namesFromFileNames_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("name");
  QTest::newRow("plain") << "/pics/logo 2.h"
                         << "logo_2";
  QTest::newRow("Russian") << "Кот.h"
                           << "Kot";
  QTest::newRow("a C keyword") << "int.h"
                               << "int_";
  QTest::newRow("a C++ keyword") << "/a/class.h"
                                 << "class_";
  QTest::newRow("the type of the bytes") << "uint8_t.h"
                                         << "uint8_t_";
  QTest::newRow("main") << "main.h"
                        << "main_";
  QTest::newRow("a macro of the standard library") << "NULL.ino"
                                                   << "NULL_";
  QTest::newRow("a function of the standard library") << "printf.h"
                                                      << "printf_";
  QTest::newRow("Arduino's") << "delay.ino"
                             << "delay_";
  QTest::newRow("Arduino's binary constant") << "B101.ino"
                                             << "B101_";
  QTest::newRow("the sketch's own") << "oled_draw.ino"
                                    << "oled_draw_";
}

void CArrayTest::namesFromFileNames() {
  QFETCH(QString, file);
  QFETCH(QString, name);
  QCOMPARE(ArrayNameFromFileName(file), name);
}

QTEST_GUILESS_MAIN(CArrayTest)
#include "tst_c_array.moc"
