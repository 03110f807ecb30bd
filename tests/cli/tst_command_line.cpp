// The command line through the real program, started as a file manager or a
// script would start it: no display, no Qt platform chosen.

#include <sys/stat.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "cli/command_line.h"
#include "cli/image_input.h"
#include "cli/man_page.h"
#include "fakes/animations.h"
#include "fakes/fake_modem.h"
#include "fakes/file_bytes.h"
#include "fakes/image_bytes.h"
#include "fakes/modem_file.h"
#include "fakes/pictures.h"
#include "fakes/system_files.h"
#include "files/c_array/c_array_format.h"
#include "files/formats/ems_animation.h"
#include "files/formats/otb_format.h"
#include "files/sms/modem_commands.h"
#include "images/file_formats.h"
#include "images/thumbnail.h"

using namespace tochkograf;

namespace {

struct Result {
  int code = -1;
  QString out, err;
};

// Whether a file named among the arguments is of a type the program does
// not read itself, which Qt's image plugins may be needed for.
bool NamesOtherTypes(const QStringList& arguments) {
  for (const QString& argument : arguments)
    if (!argument.startsWith(u'-') && !QFileInfo(argument).suffix().isEmpty() &&
        !FormatOfName(Where(BuiltInFormats(), ComesIn), argument))
      return true;
  return false;
}

// Runs the program in `folder`. With QT_DEBUG_PLUGINS any search for a
// plugin would show on standard error: it is set unless a file of another
// type is named, whose plugins would show as they are let go at the end.
Result Run(const QString& folder, const QStringList& arguments, int file_blocks = 0) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(QLatin1String(name));
  if (!NamesOtherTypes(arguments))
    environment.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
  QProcess process;
  process.setWorkingDirectory(folder);
  process.setProcessEnvironment(environment);
  const QString program = QStringLiteral(TOCHKOGRAF_PROGRAM);
  if (file_blocks > 0)  // through the shell, which sets the file-size limit
    process.start(QStringLiteral("/bin/sh"),
                  QStringList{QStringLiteral("-c"),
                              QStringLiteral("ulimit -f %1 && exec \"$0\" \"$@\"").arg(file_blocks),
                              program} +
                      arguments);
  else
    process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return {};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

bool Russian(const QString& text) {
  return text.contains(QRegularExpression(QStringLiteral("[а-яА-ЯёЁ]")));
}

QByteArray Encoded(const QString& name, const Picture& picture) {
  QByteArray bytes;
  FormatOfName(Where(BuiltInFormats(), Writes), name)->write(picture, {name}, bytes);
  return bytes;
}

Picture Decoded(const QString& name, const QByteArray& bytes) {
  Picture picture;
  FormatOfName(Where(BuiltInFormats(), Reads), name)->read(bytes, picture);
  return picture;
}

// The program's own file of every frame of `animation`.
QByteArray EmsOf(const Animation& animation) {
  EmsAnimation file{animation.Frame(0), {}, {}};
  for (int i = 0; i < animation.Count(); ++i) {
    file.durations.push_back(animation.frames[i].duration);
    if (i > 0) file.further.push_back(animation.frames[i].cells);
  }
  return EncodeEmsAnimation(file);
}

// The answers --to and --network give in convertsBetweenEveryType.
WriteOptions PhoneAnswers(const QString& out) {
  WriteOptions options{out};
  options.sms.recipient = QStringLiteral("+79161234567");
  options.network = {250, 1};
  return options;
}

QStringList Names(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// Runs the program with arguments of any bytes: the shell's printf makes
// them from octal escapes, since QProcess would pass them as UTF-8.
Result RunWithBytes(const QString& folder, const QList<QByteArray>& arguments) {
  QString script = QStringLiteral("exec \"$0\"");
  QStringList escaped;
  for (const QByteArray& argument : arguments) {
    script += QStringLiteral(" \"$(printf '%b' \"${%1}\")\"").arg(escaped.size() + 1);
    QString octal;
    for (const char byte : argument)
      octal += QStringLiteral("\\0%1").arg(uchar(byte), 3, 8, QChar(u'0'));
    escaped << octal;
  }
  QProcess process;
  process.setWorkingDirectory(folder);
  process.start(
      QStringLiteral("/bin/sh"),
      QStringList{QStringLiteral("-c"), script, QStringLiteral(TOCHKOGRAF_PROGRAM)} + escaped);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return {};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void parsing_data();
  void parsing();
  void printsAndExits_data();
  void printsAndExits();
  void refusesOptionsThatDoNothing_data();
  void refusesOptionsThatDoNothing();
  void networkCodes_data();
  void networkCodes();
  void helpAndManualSayTheSame_data();
  void helpAndManualSayTheSame();
  void convertsBetweenEveryType_data();
  void convertsBetweenEveryType();
  void convertsImages_data();
  void convertsImages();
  void thumbnailIsThePictureDrawn_data();
  void thumbnailIsThePictureDrawn();
  void failureWritesNothing_data();
  void failureWritesNothing();
  void convertsCArrays();
  void readsEveryFrameOfAnAnimation_data();
  void readsEveryFrameOfAnAnimation();
  void convertsEveryFrame_data();
  void convertsEveryFrame();
  void ownFileKeepsEveryFrame();
  void emsElementReadsBack();
  void namesAreTheSystemsBytes_data();
  void namesAreTheSystemsBytes();
  void sendsThroughModem_data();
  void sendsThroughModem();
  void receivesIntoFolder_data();
  void receivesIntoFolder();
  void exportsFonts_data();
  void exportsFonts();
};

void CommandLineTest::parsing_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<Action>("action");
  QTest::addColumn<QString>("file");  // the editor's, or IN
  QTest::newRow("nothing") << QStringList{} << Action::Edit << QString();
  QTest::newRow("a file") << QStringList{"pic.ems"} << Action::Edit << "pic.ems";
  QTest::newRow("a file after --") << QStringList{"--", "-pic.ems"} << Action::Edit << "-pic.ems";
  QTest::newRow("help wins") << QStringList{"a", "b", "--help"} << Action::Help << QString();
  QTest::newRow("thumbnail") << QStringList{"--thumbnail", "i.ems", "o.png", "256"}
                             << Action::Thumbnail << "i.ems";
  QTest::newRow("convert, option last")
      << QStringList{"i.ems", "o.bmp", "--convert"} << Action::Convert << "i.ems";
  QTest::newRow("two commands") << QStringList{"--convert", "--thumbnail", "i", "o", "1"}
                                << Action::Misuse << QString();
  QTest::newRow("receive") << QStringList{"--receive", "in.txt", "out"} << Action::Receive
                           << "in.txt";
  QTest::newRow("receive and convert")
      << QStringList{"--receive", "--convert", "i", "o"} << Action::Misuse << QString();
  QTest::newRow("size past the largest")
      << QStringList{"--thumbnail", "i.ems", "o.png", QString::number(kMaxThumbnailSize + 1)}
      << Action::Misuse << QString();
}

void CommandLineTest::parsing() {
  QFETCH(QStringList, arguments);
  QFETCH(Action, action);
  QFETCH(QString, file);
  const CommandLine command = ParseCommandLine(arguments);
  QCOMPARE(command.action, action);
  QCOMPARE(action == Action::Edit ? command.file.value_or(QString()) : command.in, file);
}

void CommandLineTest::printsAndExits_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("code");
  QTest::addColumn<QString>("mentions");  // what the one stream written must name
  QTest::newRow("--help") << QStringList{"--help"} << 0 << "--thumbnail";
  QTest::newRow("-h") << QStringList{"-h"} << 0 << "--convert";
  QTest::newRow("--version") << QStringList{"--version"} << 0 << TOCHKOGRAF_VERSION;
  QTest::newRow("unknown option") << QStringList{"--frobnicate", "a.ems"} << 2 << "--frobnicate";
  QTest::newRow("unknown short option") << QStringList{"-q"} << 2 << "-q";
  QTest::newRow("second file") << QStringList{"a.ems", "second.ems"} << 2 << "second.ems";
  QTest::newRow("thumbnail without size")
      << QStringList{"--thumbnail", "a.ems", "a.png"} << 2 << "--thumbnail";
  QTest::newRow("size not a number")
      << QStringList{"--thumbnail", "a.ems", "a.png", "12x"} << 2 << "12x";
  QTest::newRow("convert without output") << QStringList{"--convert", "a.ems"} << 2 << "--convert";
  QTest::newRow("receive without folder") << QStringList{"--receive", "a.txt"} << 2 << "--receive";
  QTest::newRow("option with receive")
      << QStringList{"--receive", "a.txt", "out", "--invert"} << 2 << "--convert";
  const auto convert = [](std::initializer_list<const char*> options) {
    QStringList arguments{"--convert", "a.jpg", "a.ems"};
    for (const char* option : options) arguments << QString::fromUtf8(option);
    return arguments;
  };
  QTest::newRow("threshold past 255") << convert({"--threshold", "256"}) << 2 << "256";
  QTest::newRow("threshold not a number") << convert({"--threshold=x"}) << 2 << "--threshold";
  QTest::newRow("no threshold") << convert({"--threshold"}) << 2 << "--threshold";
  QTest::newRow("unknown dithering") << convert({"--dither", "random"}) << 2 << "random";
  QTest::newRow("size too wide") << convert({"--size", "129x10"}) << 2 << "129x10";
  QTest::newRow("size of nothing") << convert({"--size", "0x10"}) << 2 << "0x10";
  QTest::newRow("size not a size") << convert({"--size", "big"}) << 2 << "big";
  QTest::newRow("option without --convert") << QStringList{"--invert", "a.ems"} << 2 << "--convert";
  QTest::newRow("number with letters") << convert({"--to", "+7916ABC"}) << 2 << "+7916ABC";
  QTest::newRow("unknown kind") << convert({"--kind", "fax"}) << 2 << "fax";
  QTest::newRow("network not MCC-MNC") << convert({"--network", "25001"}) << 2 << "25001";
  QTest::newRow("no number") << convert({"--to"}) << 2 << "--to";
  QTest::newRow("number without --convert")
      << QStringList{"--to", "1", "a.ems"} << 2 << "--convert";
  QTest::newRow("unknown layout") << convert({"--layout", "columns"}) << 2 << "columns";
  QTest::newRow("unknown set bit") << convert({"--set-bit", "on"}) << 2 << "on";
  QTest::newRow("unknown fit") << convert({"--fit", "stretch"}) << 2 << "stretch";
  QTest::newRow("no fit") << convert({"--fit"}) << 2 << "--fit";
  QTest::newRow("array option without --convert")
      << QStringList{"--progmem", "a.ems"} << 2 << "--convert";
  QTest::newRow("strip without --convert") << QStringList{"--strip", "a.ems"} << 2 << "--convert";
  QTest::newRow("strip to another type")
      << QStringList{"--convert", "a.ems", "a.gif", "--strip"} << 2 << "--strip";
  QTest::newRow("number for a picture") << convert({"--to", "1"}) << 2 << "a.ems";
  QTest::newRow("network of three digits too many")
      << convert({"--network", "310-2600"}) << 2 << "310-2600";
  const auto send = [](std::initializer_list<const char*> options) {
    QStringList arguments{"--send", "a.ems", "--device", "/dev/ttyUSB0", "--to", "1"};
    for (const char* option : options) arguments << QString::fromUtf8(option);
    return arguments;
  };
  QTest::newRow("send without port")
      << QStringList{"--send", "a.ems", "--to", "1"} << 2 << "--device";
  QTest::newRow("send without number")
      << QStringList{"--send", "a.ems", "--device", "ttyUSB0"} << 2 << "--to";
  QTest::newRow("send without input")
      << QStringList{"--send", "--device", "ttyUSB0", "--to", "1"} << 2 << "ВХОД";
  QTest::newRow("send and convert") << send({"--convert"}) << 2 << "--send";
  QTest::newRow("speed not a number") << send({"--speed", "fast"}) << 2 << "fast";
  QTest::newRow("speed of nothing") << send({"--speed", "0"}) << 2 << "--speed";
  QTest::newRow("logo without network") << send({"--kind", "operator"}) << 2 << "--network";
  QTest::newRow("strip to a modem") << send({"--strip"}) << 2 << "--strip";
  QTest::newRow("array option to a modem") << send({"--progmem"}) << 2 << "--progmem";
  QTest::newRow("port without --send") << convert({"--device", "ttyUSB0"}) << 2 << "--send";
}

void CommandLineTest::printsAndExits() {
  QFETCH(QStringList, arguments);
  QFETCH(int, code);
  QFETCH(QString, mentions);
  QTemporaryDir folder;
  const Result result = Run(folder.path(), arguments);
  QCOMPARE(result.code, code);
  const QString written = code == 0 ? result.out : result.err;
  QCOMPARE(code == 0 ? result.err : result.out, QString());
  QVERIFY2(written.contains(mentions), qPrintable(written));
  QVERIFY(Russian(written) || arguments == QStringList{"--version"});
  if (code != 0) QVERIFY(written.contains(QStringLiteral("--help")));  // the usage
  QCOMPARE(Names(folder.path()), QStringList());
}

// An option that would do nothing for the output (or the input) is refused
// with the two named; where it acts, it is taken.
void CommandLineTest::refusesOptionsThatDoNothing_data() {
  QTest::addColumn<QString>("arguments");  // after --convert
  QTest::addColumn<QString>("refused");    // the option; empty: none
  const auto row = [](const char* arguments, const char* refused = "") {
    QTest::newRow(arguments) << QString::fromUtf8(arguments) << QString::fromUtf8(refused);
  };
  row("a.ems a.txt --layout rows-lsb", "--layout");
  row("a.ems a.at --to 1 --kind operator --network 250-01 --text Hi", "--text");
  row("a.ems a.at --to 1 --kind caller --text Hi", "--text");
  row("a.ems a.PNG --to 1", "--to");
  row("a.ems a.nol --network 250-01 --kind operator", "--kind");
  row("a.ems a.at --to 1 --network 250-01", "--network");
  row("a.h a.ems --progmem", "--progmem");
  row("a.ems a.bmp --set-bit paper", "--set-bit");
  row("a.ems a.gif --strip", "--strip");
  row("a.ems a.png --compress rle", "--compress");
  row("a.ems a.h --address 0x3D", "--address");
  row("a.h a.ems --height 32", "--height");
  row("a.ems a.ino --layout pages-lsb", "--layout");
  row("a.ems a.ino --address 0x3d --height 32 --compress rle");
  row("a.ems a.h --compress rle --progmem");
  row("a.txt a.ems --layout pages-lsb");
  row("a.ems a.h --set-bit paper --progmem");
  row("a.ems a.at --to 1 --kind picture --text Hi");
  row("a.ems a.at --to 1 --kind operator --network 250-01");
  row("a.ems a.nol --network 250-01");
  row("a.ems a.png --strip");
  row("a.jpg a.txt --invert --size 8x8");
  // Writing it fails instead, naming the types that would do.
  row("a.ems a.jpg --to 1");
}

void CommandLineTest::refusesOptionsThatDoNothing() {
  QFETCH(QString, arguments);
  QFETCH(QString, refused);
  const QStringList words = arguments.split(u' ');
  const CommandLine command = ParseCommandLine(QStringList{"--convert"} + words);
  if (refused.isEmpty()) {
    QCOMPARE(command.action, Action::Convert);
    return;
  }
  QCOMPARE(command.action, Action::Misuse);
  QVERIFY2(command.problem.startsWith(refused + u' ') &&
               command.problem.contains(QStringLiteral("«%1»").arg(words[1])),
           qPrintable(command.problem));
}

// MCC-MNC, the MNC of two digits or three: in the operator logo's message
// as 3GPP TS 24.008 lays out a network, worked out by hand, and in the
// logo file as two 16-bit numbers, the low octet first.
void CommandLineTest::networkCodes_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QByteArray>("bcd");  // empty: refused
  QTest::addColumn<QByteArray>("nol");  // the .nol's MCC and MNC
  QTest::newRow("250-01") << "250-01" << QByteArray("52F010") << QByteArray("FA000100");
  QTest::newRow("404-45") << "404-45" << QByteArray("04F454") << QByteArray("94012D00");
  QTest::newRow("310-260") << "310-260" << QByteArray("130062") << QByteArray("36010401");
  QTest::newRow("405-854") << "405-854" << QByteArray("044558") << QByteArray("95015603");
  QTest::newRow("310-026") << "310-026" << QByteArray("136020") << QByteArray("36011A00");
  QTest::newRow("four digits") << "310-2600" << QByteArray() << QByteArray();
  QTest::newRow("one digit") << "310-2" << QByteArray() << QByteArray();
  QTest::newRow("two-digit MCC") << "31-260" << QByteArray() << QByteArray();
}

void CommandLineTest::networkCodes() {
  QFETCH(QString, typed);
  QFETCH(QByteArray, bcd);
  QFETCH(QByteArray, nol);
  QTemporaryDir folder;
  Store(folder.filePath("in.ems"), Encoded("in.ems", RandomPicture(72, 14, 3)));
  const QStringList logo{"--convert", "in.ems", "out.at", "--to", "1", "--kind", "operator"};
  const Result message = Run(folder.path(), logo + QStringList{"--network", typed});
  if (bcd.isEmpty()) {
    QCOMPARE(message.code, 2);
    return;
  }
  QCOMPARE(message.code, 0);
  // The smart message's data: the ports' element, then the network.
  QVERIFY(Contents(folder.filePath("out.at")).contains("050415820000" + bcd));
  QCOMPARE(Run(folder.path(), {"--convert", "in.ems", "out.nol", "--network", typed}).code, 0);
  QCOMPARE(Contents(folder.filePath("out.nol")).mid(6, 4).toHex().toUpper(), nol);
}

// --help, as the program prints it, and the manual page, as man shows it,
// carry every text of the help, the latter without a warning from man.
void CommandLineTest::helpAndManualSayTheSame_data() {
  QTest::addColumn<bool>("manual");
  QTest::newRow("--help") << false;
  QTest::newRow("manual page") << true;
}

void CommandLineTest::helpAndManualSayTheSame() {
  QFETCH(bool, manual);
  QTemporaryDir folder;
  QString shown;
  if (!manual) {
    const Result result = Run(folder.path(), {"--help"});
    QCOMPARE(result.code, 0);
    for (const QString& line : result.out.split(u'\n'))
      QVERIFY2(line.size() < 80, qPrintable(line));
    shown = result.out;
  } else {
    if (QStandardPaths::findExecutable(QStringLiteral("man")).isEmpty()) QSKIP("man is missing");
    Store(folder.filePath("tochkograf.1"), ManPage(CommandLineHelpText(), "2026-01-02").toUtf8());
    QProcess man;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("MANWIDTH", "1000");  // each paragraph on one line
    man.setProcessEnvironment(environment);
    man.start("man", {"--warnings", "-l", folder.filePath("tochkograf.1")});
    QVERIFY(man.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(man.readAllStandardError()), QString());
    shown = QString::fromUtf8(man.readAllStandardOutput());
    QVERIFY(shown.contains(QStringLiteral("2026-01-02")));
  }
  const auto words = [](QString text) { return text.replace(QChar::Nbsp, u' ').simplified(); };
  shown = words(shown);
  const HelpText help = CommandLineHelpText();
  QStringList texts{help.summary};
  for (const QString& call : help.calls) texts << QStringLiteral("tochkograf ") + call;
  for (const HelpItem& item : help.items) texts << item.term << item.text;
  for (const HelpItem& note : help.notes) texts << note.text << (manual ? note.term : QString());
  for (const QString& text : texts)
    if (!text.isEmpty()) QVERIFY2(shown.contains(words(text)), qPrintable(text));
}

void CommandLineTest::convertsBetweenEveryType_data() {
  QTest::addColumn<QString>("in");
  QTest::addColumn<QString>("out");
  QTest::addColumn<QSize>("size");
  for (const FileFormat* from : Where(BuiltInFormats(), Reads))
    for (const FileFormat* to : Where(BuiltInFormats(), Writes)) {
      const QString in = QStringLiteral("in.") + from->extensions.first();
      // Upper case too: the type comes from the extension in any case.
      const QString out = QStringLiteral("OUT.") + to->extensions.first().toUpper();
      // A size both take; one small enough for one SMS where either takes any.
      QList<QSize> sizes = from->sizes.isEmpty() ? to->sizes : from->sizes;
      if (!from->sizes.isEmpty() && !to->sizes.isEmpty())
        sizes.removeIf([&](QSize size) { return !to->sizes.contains(size); });
      if (from->sizes.isEmpty() && to->sizes.isEmpty()) sizes = {QSize(45, 20)};
      // A writer may refuse even that (an EMS element of too many pixels).
      QByteArray bytes;
      if (!sizes.isEmpty() &&
          to->write(RandomPicture(sizes.first().width(), sizes.first().height(), 4),
                    PhoneAnswers(out), bytes) == FormatStatus::Ok)
        QTest::addRow("%s to %s", qPrintable(in), qPrintable(out)) << in << out << sizes.first();
    }
}

void CommandLineTest::convertsBetweenEveryType() {
  QFETCH(QString, in);
  QFETCH(QString, out);
  QFETCH(QSize, size);
  QTemporaryDir folder;
  const Picture picture = RandomPicture(size.width(), size.height(), 4);
  Store(folder.filePath(in), Encoded(in, picture));
  Store(folder.filePath(out), "an older file in the way");
  // What the export asks for the types that go to a phone.
  QStringList arguments{"--convert", in, out};
  const ExportQuestion question = FormatOfName(Where(BuiltInFormats(), Writes), out)->question;
  if (question == ExportQuestion::Sms)
    arguments << "--to"
              << "+79161234567";
  if (question == ExportQuestion::NetworkCode)
    arguments << "--network"
              << "250-01";
  const Result result = Run(folder.path(), arguments);
  QCOMPARE(result.code, 0);
  QCOMPARE(result.err, QString());
  QCOMPARE(result.out, QString());
  // The written bytes are the writer's own for the picture read.
  const Picture read = Decoded(in, Contents(folder.filePath(in)));
  QVERIFY(read == picture);
  QByteArray written;
  QCOMPARE(FormatOfName(BuiltInFormats(), out)->write(read, PhoneAnswers(out), written),
           FormatStatus::Ok);
  QCOMPARE(Contents(folder.filePath(out)), written);
  QCOMPARE(Names(folder.path()).size(), 2);
}

// Images of other types, and with options any, come converted.
void CommandLineTest::convertsImages_data() {
  QTest::addColumn<QString>("in");
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QStringList>("options");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QString>("ink");  // "left": the left half, else where the input has it
  QImage halves(400, 300, QImage::Format_RGB32);
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x)
      halves.setPixel(x, y, x < 200 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  const QByteArray photo = ImageBytes(halves, "jpeg");
  const Picture picture = RandomPicture(45, 30, 4);
  const QByteArray otb = EncodeOtb({45, 30, picture.cells});
  QTest::newRow("photo") << "in.jpg" << photo << QStringList{} << QSize(128, 96) << "left";
  QTest::newRow("photo, inverted")
      << "in.jpg" << photo << QStringList{"--invert"} << QSize(128, 96) << "right";
  QTest::newRow("photo, sized and dithered")
      << "in.JPEG" << photo << QStringList{"--size", "20x10", "--dither", "floyd", "--fit", "cover"}
      << QSize(20, 10) << "left";
  QTest::newRow("photo, threshold 0")
      << "in.jpg" << photo << QStringList{"--threshold", "0"} << QSize(128, 96) << "none";
  QTest::newRow("OTB") << "in.otb" << otb << QStringList{} << QSize(45, 30) << "as it is";
  // The program writes GIFs; reading one is Qt's.
  QTest::newRow("GIF") << "in.gif" << Encoded("in.gif", picture) << QStringList{} << QSize(45, 30)
                       << "as it is";
  QTest::newRow("own type, inverted") << "in.png" << Encoded("in.png", picture)
                                      << QStringList{"--invert"} << QSize(45, 30) << "inverted";
  QImage colours = halves.scaled(100, 75);
  colours.setPixel(0, 0, qRgb(255, 0, 0));
  QTest::newRow("own type, not two colours, with an option")
      << "in.png" << ImageBytes(colours, "png") << QStringList{"--dither", "none"} << QSize(100, 75)
      << "left";
  // As the editor's import takes them: two colours that fit come as they
  // are, anything else with the conversion dialog's defaults.
  QTest::newRow("PNG of three colours")
      << "in.png" << ImageBytes(colours, "png") << QStringList{} << QSize(100, 75) << "left";
  QTest::newRow("PNG of two colours, too large")
      << "in.png" << ImageBytes(halves, "png") << QStringList{} << QSize(128, 96) << "left";
  QTest::newRow("24-bit BMP") << "in.bmp" << ImageBytes(colours, "bmp") << QStringList{}
                              << QSize(100, 75) << "left";
  QTest::newRow("24-bit BMP of two colours") << "in.bmp" << ImageBytes(halves.scaled(40, 30), "bmp")
                                             << QStringList{} << QSize(40, 30) << "left";
  QTest::newRow("own picture, inverted") << "in.ems" << Encoded("in.ems", picture)
                                         << QStringList{"--invert"} << QSize(45, 30) << "inverted";
  // Options convert the greys the image has, not its two colours.
  QTest::newRow("flat grey, Floyd-Steinberg")
      << "in.png" << ImageBytes(FlatGreys(60, 40, 128), "png") << QStringList{"--dither", "floyd"}
      << QSize(60, 40) << "half";
  QImage greys = FlatGreys(40, 30, 200);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 20; ++x) greys.scanLine(y)[x] = 100;
  QTest::newRow("two greys, threshold below both")
      << "in.png" << ImageBytes(greys, "png") << QStringList{"--threshold", "90"} << QSize(40, 30)
      << "none";
  QTest::newRow("two greys, threshold between")
      << "in.png" << ImageBytes(greys, "png") << QStringList{"--threshold", "150"} << QSize(40, 30)
      << "left";
}

void CommandLineTest::convertsImages() {
  QFETCH(QString, in);
  QFETCH(QByteArray, bytes);
  QFETCH(QStringList, options);
  QFETCH(QSize, size);
  QFETCH(QString, ink);
  QTemporaryDir folder;
  Store(folder.filePath(in), bytes);
  const Result result = Run(folder.path(), QStringList{"--convert", in, "out.png"} + options);
  QCOMPARE(result.code, 0);
  QCOMPARE(result.err, QString());
  const Picture out = Decoded("out.png", Contents(folder.filePath("out.png")));
  QCOMPARE(QSize(out.width, out.height), size);
  const Picture random = RandomPicture(45, 30, 4);
  if (ink == "half") {  // a flat grey of 128, dithered
    int count = 0;
    for (int y = 1; y <= out.height; ++y)
      for (int x = 1; x <= out.width; ++x) count += out.cells(x, y) != kOff;
    const double share = double(count) / (out.width * out.height);
    QVERIFY2(share > 0.4 && share < 0.6, qPrintable(QString::number(share)));
    return;
  }
  for (int y = 1; y <= out.height; ++y)
    for (int x = 1; x <= out.width; ++x) {
      const bool left = x <= out.width / 2;
      const bool expected = ink == "left"       ? left
                            : ink == "right"    ? !left
                            : ink == "as it is" ? random.cells(x, y) != kOff
                            : ink == "inverted" ? random.cells(x, y) == kOff
                                                : false;
      QVERIFY2((out.cells(x, y) != kOff) == expected,
               qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    }
}

void CommandLineTest::thumbnailIsThePictureDrawn_data() {
  QTest::addColumn<QString>("in");
  QTest::addColumn<QSize>("size");  // one the type's writer takes
  for (const FileFormat* format : Where(BuiltInFormats(), Reads))
    QTest::newRow(qPrintable(format->name))
        << QStringLiteral("in.") + format->extensions.first()
        << (format->sizes.isEmpty() ? QSize(kMaxWidth, kMaxHeight) : format->sizes.last());
}

void CommandLineTest::thumbnailIsThePictureDrawn() {
  QFETCH(QString, in);
  QFETCH(QSize, size);
  QTemporaryDir folder;
  const Picture picture = RandomPicture(size.width(), size.height(), 8);
  Store(folder.filePath(in), Encoded(in, picture));
  // A file manager's name for the thumbnail need not end in .png.
  const Result result = Run(folder.path(), {"--thumbnail", in, "thumbnail.tmp", "200"});
  QCOMPARE(result.code, 0);
  QCOMPARE(result.err, QString());
  const QImage written = QImage::fromData(Contents(folder.filePath("thumbnail.tmp")), "PNG");
  QCOMPARE(written.convertToFormat(QImage::Format_ARGB32),
           Thumbnail(picture, 200).convertToFormat(QImage::Format_ARGB32));
}

// Written as the options say, and read back by what the file says of
// itself; --size and --layout read a bare array.
void CommandLineTest::convertsCArrays() {
  QTemporaryDir folder;
  const Picture picture = RandomPicture(45, 20, 6);
  Store(folder.filePath("in.ems"), Encoded("in.ems", picture));
  QCOMPARE(Run(folder.path(), {"--convert", "in.ems", "out.h", "--layout", "pages-msb", "--set-bit",
                               "paper", "--progmem"})
               .code,
           0);
  QCOMPARE(Contents(folder.filePath("out.h")),
           EncodeCArray(picture, {ByteLayout::PagesMsbTop, SetBit::Paper, "out", true}));
  QCOMPARE(Run(folder.path(), {"--convert", "out.h", "back.ems"}).code, 0);
  QVERIFY(Decoded("back.ems", Contents(folder.filePath("back.ems"))) == picture);
  Store(folder.filePath("bare.ino"), "byte b[] = {0x80, 0, 0, 0x01};");
  const Result bare = Run(folder.path(), {"--convert", "bare.ino", "bare.pbm", "--size", "2x8",
                                          "--layout", "pages-lsb"});
  QCOMPARE(bare.code, 0);
  // Written all the same, saying what was left out.
  QVERIFY2(bare.err.contains(QStringLiteral("лишних байтов в конце массива: 2")),
           qPrintable(bare.err));
  // Only the first byte counts: the bottom pixel of the first column.
  QCOMPARE(Contents(folder.filePath("bare.pbm")),
           QByteArray("P4\n2 8\n") + QByteArray(7, '\0') + "\x80");
}

void CommandLineTest::readsEveryFrameOfAnAnimation_data() {
  QTest::addColumn<QStringList>("options");
  QTest::addColumn<bool>("inverted");
  QTest::newRow("as it is") << QStringList{} << false;
  QTest::newRow("inverted") << QStringList{"--invert"} << true;
}

// Made by ImageMagick, with its frames composed side by side by
// ImageMagick (see tst_image_frames).
void CommandLineTest::readsEveryFrameOfAnAnimation() {
  QFETCH(QStringList, options);
  QFETCH(bool, inverted);
  const QString data = QStringLiteral(TOCHKOGRAF_TEST_DATA "/images/");
  Animation animation;
  const CommandLine command =
      ParseCommandLine(QStringList{"--convert", data + "frames.gif", "out.ems"} + options);
  QCOMPARE(ReadInputAnimation(command, animation), QString());
  const QImage composed(data + "frames_coalesced.png");
  QCOMPARE(animation.Count(), 4);
  QCOMPARE(animation.width * 4, composed.width());
  QCOMPARE(animation.frames[2].duration, 500);
  for (int k = 0; k < 4; ++k)
    for (int y = 0; y < animation.height; ++y)
      for (int x = 0; x < animation.width; ++x)
        QCOMPARE(animation.Frame(k).cells(x + 1, y + 1) != kOff,
                 (qGray(composed.pixel(k * animation.width + x, y)) < 128) != inverted);
}

void CommandLineTest::convertsEveryFrame_data() {
  QTest::addColumn<QString>("out");
  QTest::addColumn<QStringList>("options");
  QTest::addColumn<bool>("everyFrame");  // false: the first frame only
  QTest::newRow("GIF") << "out.gif" << QStringList{} << true;
  QTest::newRow("strip") << "out.png" << QStringList{"--strip"} << true;
  QTest::newRow("C array") << "out.h" << QStringList{} << true;
  QTest::newRow("C array, packed") << "out.h" << QStringList{"--compress", "rle"} << true;
  QTest::newRow("Arduino sketch") << "out.ino" << QStringList{"--address", "0x3D"} << true;
  QTest::newRow("PNG") << "out.png" << QStringList{} << false;
  QTest::newRow("BMP") << "out.bmp" << QStringList{} << false;
  QTest::newRow("strip, inverted") << "out.png" << QStringList{"--invert", "--strip"} << true;
}

// An animation comes in whole: the types that write every frame get them
// all, each converted alike, the others the first.
void CommandLineTest::convertsEveryFrame() {
  QFETCH(QString, out);
  QFETCH(QStringList, options);
  QFETCH(bool, everyFrame);
  QTemporaryDir folder;
  Animation animation = RandomAnimation(23, 9, 3, 2);
  Store(folder.filePath("in.ems"), EmsOf(animation));
  const Result result = Run(folder.path(), QStringList{"--convert", "in.ems", out} + options);
  QCOMPARE(result.code, 0);
  QCOMPARE(result.err, QString());
  if (options.contains("--invert"))
    for (AnimationFrame& frame : animation.frames)
      for (int y = 1; y <= animation.height; ++y)
        for (int x = 1; x <= animation.width; ++x) frame.cells.Set(x, y, !frame.cells.At(x, y));
  const FileFormatList writers = Where(BuiltInFormats(), Writes);
  const FileFormat* type = FormatOfName(writers, out);
  for (const FileFormat* format : FormatsOfName(writers, out))
    if (everyFrame && format->every_frame) type = format;
  WriteOptions written{out};
  if (everyFrame) written.animation = animation;
  if (options.contains("rle")) written.c_array.compression = Compression::Rle;
  if (options.contains("0x3D")) written.sketch.address = 0x3D;
  QByteArray expected;
  QCOMPARE(type->write(animation.Frame(0), written, expected), FormatStatus::Ok);
  QCOMPARE(Contents(folder.filePath(out)), expected);
}

void CommandLineTest::failureWritesNothing_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<QByteArray>("in");      // what in.* holds; null: no such file
  QTest::addColumn<QByteArray>("oldOut");  // what the output held before; null: nothing
  QTest::addColumn<int>("fileBlocks");     // a file-size limit in 512-byte blocks; 0: none
  QTest::addColumn<QString>("named");      // the file the message names
  const QByteArray ems = Encoded("x.ems", RandomPicture(kMaxWidth, kMaxHeight, 1));
  const QByteArray png = Encoded("x.png", RandomPicture(kMaxWidth, kMaxHeight, 1));
  const QByteArray none;
  const QByteArray old = "the old file";
  const auto convert = [](const char* in, const char* out) {
    return QStringList{"--convert", in, out};
  };
  const auto thumbnail = [](const char* in) {
    return QStringList{"--thumbnail", in, "out.png", "128"};
  };
  QTest::newRow("missing") << convert("in.ems", "out.bmp") << none << none << 0 << "in.ems";
  QTest::newRow("missing, thumbnail") << thumbnail("in.ems") << none << old << 0 << "in.ems";
  QTest::newRow("folder") << convert("in.ems", "out.bmp") << QByteArray("folder") << none << 0
                          << "in.ems";
  QTest::newRow("cut short") << convert("in.ems", "out.png") << ems.left(100) << old << 0
                             << "in.ems";
  QTest::newRow("cut short, thumbnail")
      << thumbnail("in.ems") << ems.left(100) << old << 0 << "in.ems";
  QTest::newRow("not the type named")
      << convert("in.bmp", "out.ems") << ems << none << 0 << "in.bmp";
  QTest::newRow("damaged png") << convert("in.png", "out.ems") << png.left(200) << none << 0
                               << "in.png";
  QTest::newRow("unknown input type")
      << convert("in.jpg", "out.ems") << png << none << 0 << "in.jpg";
  QTest::newRow("unknown output type")
      << convert("in.png", "out.jpg") << png << none << 0 << "out.jpg";
  QTest::newRow("no such folder") << convert("in.ems", "nowhere/out.png") << ems << none << 0
                                  << "nowhere/out.png";
  QTest::newRow("file-size limit") << convert("in.ems", "out.bmp") << ems << old << 1 << "out.bmp";
  QTest::newRow("too large for an SMS")
      << convert("in.ems", "out.txt") << ems << old << 0 << "out.txt";
  QTest::newRow("messages without a number")
      << convert("in.ems", "out.at") << ems << old << 0 << "out.at";
  QTest::newRow("operator logo without its network")
      << convert("in.ems", "out.nol") << Encoded("x.ems", RandomPicture(72, 14, 1)) << none << 0
      << "out.nol";
  QTest::newRow("operator logo message of another size")
      << convert("in.ems", "out.at") +
             QStringList{"--to", "8916", "--kind", "operator", "--network", "250-01"}
      << ems << none << 0 << "out.at";
  QTest::newRow("C array short of the size")
      << convert("in.h", "out.ems") + QStringList{"--size", "16x16"}
      << QByteArray("char a[] = {1, 2, 3};") << old << 0 << "in.h";
  QTest::newRow("damaged frame block")
      << convert("in.ems", "out.gif") << EmsOf(RandomAnimation(8, 8, 2)).chopped(1) << old << 0
      << "in.ems";
  QTest::newRow("no C array") << convert("in.c", "out.ems") << QByteArray("int x;") << old << 0
                              << "in.c";
  QTest::newRow("EMS element cut short")
      << convert("in.txt", "out.ems") << QByteArray("11 21 00 80 00\n") << old << 0 << "in.txt";
  QFile many(QStringLiteral(TOCHKOGRAF_TEST_DATA "/images/frames_65.gif"));
  QVERIFY(many.open(QIODevice::ReadOnly));
  QTest::newRow("more frames than a picture has")
      << convert("in.gif", "out.ems") << many.readAll() << old << 0 << "in.gif";
}

void CommandLineTest::failureWritesNothing() {
  QFETCH(QStringList, arguments);
  QFETCH(QByteArray, in);
  QFETCH(QByteArray, oldOut);
  QFETCH(int, fileBlocks);
  QFETCH(QString, named);
  QTemporaryDir folder;
  const QString in_name = folder.filePath(arguments[1]), out_name = folder.filePath(arguments[2]);
  if (in == "folder")
    QVERIFY(QDir().mkdir(in_name));
  else if (!in.isNull())
    Store(in_name, in);
  if (!oldOut.isNull()) Store(out_name, oldOut);
  const QStringList before = Names(folder.path());

  const Result result = Run(folder.path(), arguments, fileBlocks);
  QCOMPARE(result.code, 1);
  QCOMPARE(result.out, QString());
  QVERIFY2(result.err.contains(named) && Russian(result.err), qPrintable(result.err));
  QCOMPARE(result.err.count(u'\n'), 1);
  QCOMPARE(Names(folder.path()), before);
  if (!oldOut.isNull()) QCOMPARE(Contents(out_name), oldOut);
}

// Names whose bytes are not UTF-8 (here Latin-1's é) are read and written
// as exactly those bytes.
// An animated GIF made by ImageMagick (see tst_image_frames), delayed 0,
// 7, 50 and 2000 hundredths, becomes a picture file of its four frames.
void CommandLineTest::ownFileKeepsEveryFrame() {
  QTemporaryDir folder;
  const QString gif = QStringLiteral(TOCHKOGRAF_TEST_DATA "/images/frames.gif");
  QCOMPARE(Run(folder.path(), {"--convert", gif, "out.ems"}).code, 0);
  EmsAnimation read;
  QCOMPARE(DecodeEmsAnimation(Contents(folder.filePath("out.ems")), read), FormatStatus::Ok);
  QCOMPARE(read.durations, (std::vector<std::int32_t>{100, 100, 500, 10000}));
  QCOMPARE(read.first.width, 24);
}

// The line written for an animation reads back as its frames.
void CommandLineTest::emsElementReadsBack() {
  QTemporaryDir folder;
  const Animation animation = RandomAnimation(8, 8, 4, 5);
  Store(folder.filePath("in.ems"), EmsOf(animation));
  QCOMPARE(Run(folder.path(), {"--convert", "in.ems", "line.txt"}).code, 0);
  QCOMPARE(Run(folder.path(), {"--convert", "line.txt", "back.ems"}).code, 0);
  EmsAnimation back;
  QCOMPARE(DecodeEmsAnimation(Contents(folder.filePath("back.ems")), back), FormatStatus::Ok);
  QVERIFY(back.first == animation.Frame(0));
  QCOMPARE(back.further.size(), std::size_t(3));
  for (int k = 1; k < 4; ++k) QVERIFY(back.further[k - 1] == animation.frames[k].cells);
}

void CommandLineTest::namesAreTheSystemsBytes_data() {
  QTest::addColumn<QList<QByteArray>>("arguments");  // "in"/"out" stand for the next two columns
  QTest::addColumn<QByteArray>("in");                // the file the input is: null, none
  QTest::addColumn<QByteArray>("out");               // the file written: null, none
  QTest::addColumn<QByteArray>("oldOut");            // what `out` held before: null, nothing
  QTest::addColumn<QString>("message");              // what standard error names
  const QByteArray none;
  QTest::newRow("convert") << QList<QByteArray>{"--convert", "in", "out"}
                           << QByteArray("caf\xe9.ems") << QByteArray("out\xe9.png") << none
                           << QString();
  QTest::newRow("convert, replacing")
      << QList<QByteArray>{"--convert", "in", "out"} << QByteArray("caf\xe9.ems")
      << QByteArray("\xd0\xba\xe9.bmp") << QByteArray("old") << QString();
  QTest::newRow("in a folder so named")
      << QList<QByteArray>{"--convert", "in", "out"} << QByteArray("d\xe9/caf\xe9.ems")
      << QByteArray("d\xe9/out\xe9.pbm") << none << QString();
  QTest::newRow("thumbnail") << QList<QByteArray>{"--thumbnail", "in", "out", "64"}
                             << QByteArray("caf\xe9.ems") << QByteArray("th\xe9.png") << none
                             << QString();
  QTest::newRow("missing") << QList<QByteArray>{"--convert", "gone\xe9.ems", "out"} << none
                           << QByteArray("out.png") << none << QStringLiteral("gone\uFFFD.ems");
  QTest::newRow("no such folder") << QList<QByteArray>{"--convert", "in", "out"}
                                  << QByteArray("caf\xe9.ems") << QByteArray("nowhere\xe9/out.png")
                                  << none << QStringLiteral("nowhere\uFFFD/out.png");
}

void CommandLineTest::namesAreTheSystemsBytes() {
  QFETCH(QList<QByteArray>, arguments);
  QFETCH(QByteArray, in);
  QFETCH(QByteArray, out);
  QFETCH(QByteArray, oldOut);
  QFETCH(QString, message);
  QTemporaryDir temporary;
  const auto remove = RemovedAtEnd(temporary.path());
  const QByteArray folder = QFile::encodeName(temporary.path()) + '/';
  const QByteArray sub = in.contains('/') ? in.left(in.indexOf('/')) : "";
  if (!sub.isEmpty()) QCOMPARE(::mkdir(folder + sub, 0755), 0);
  const Picture picture = RandomPicture(40, 30, 9);
  if (!in.isNull()) StoreAt(folder + in, Encoded("x.ems", picture));
  if (!oldOut.isNull()) StoreAt(folder + out, oldOut);
  const QList<QByteArray> before = NamesAt(folder + sub);
  for (QByteArray& argument : arguments)
    argument = argument == "in" ? in : argument == "out" ? out : argument;

  const Result result = RunWithBytes(temporary.path(), arguments);
  if (!message.isEmpty()) {
    QCOMPARE(result.code, 1);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QCOMPARE(NamesAt(folder + sub), before);
    if (!oldOut.isNull()) QCOMPARE(ContentsAt(folder + out), oldOut);
    return;
  }
  QCOMPARE(result.code, 0);
  QCOMPARE(result.err, QString());
  QList<QByteArray> after = before;
  if (oldOut.isNull()) after << out.mid(sub.isEmpty() ? 0 : sub.size() + 1);
  std::sort(after.begin(), after.end());
  QCOMPARE(NamesAt(folder + sub), after);
  const QByteArray written = ContentsAt(folder + out);
  if (arguments[0] == "--thumbnail")
    QCOMPARE(QImage::fromData(written, "PNG").convertToFormat(QImage::Format_ARGB32),
             Thumbnail(picture, 64).convertToFormat(QImage::Format_ARGB32));
  else
    QCOMPARE(written, Encoded("x" + QString::fromLatin1(out.mid(out.lastIndexOf('.'))), picture));
}

// --send gives the modem exactly the messages --convert writes to a .at
// for the same input and options, says a line as each goes, and on a
// failure says the one line of why, with how many went, and exits 1.
void CommandLineTest::sendsThroughModem_data() {
  QTest::addColumn<QString>("in");
  QTest::addColumn<QStringList>("options");
  QTest::addColumn<int>("refused");   // the message the modem refuses; 0: none
  QTest::addColumn<int>("sent");      // -1: all
  QTest::addColumn<QString>("told");  // on standard error; empty: nothing
  QTest::newRow("EMS picture with text")
      << "in.ems" << QStringList{"--text", "Привет"} << 0 << -1 << QString();
  QTest::newRow("animation") << "anim.ems" << QStringList{} << 0 << -1 << QString();
  QTest::newRow("operator logo at 9600")
      << "in.ems" << QStringList{"--kind", "operator", "--network", "250-01", "--speed", "9600"}
      << 0 << -1 << QString();
  QTest::newRow("refused second") << "in.ems" << QStringList{"--text", "Привет"} << 2 << 1
                                  << "сеть не работает (+CMS ERROR: 38); отправлено 1 из 2";
  QTest::newRow("no such port") << "in.ems" << QStringList{"--device", "/nonexistent/ttyUSB0"} << 0
                                << 0 << "порта /nonexistent/ttyUSB0 нет";
  QTest::newRow("picture of another size")
      << "in.ems" << QStringList{"--kind", "picture"} << 0 << 0 << "должна быть 72";
}

void CommandLineTest::sendsThroughModem() {
  QFETCH(QString, in);
  QFETCH(QStringList, options);
  QFETCH(int, refused);
  QFETCH(int, sent);
  QFETCH(QString, told);
  QTemporaryDir folder;
  Store(folder.filePath("in.ems"), Encoded("in.ems", RandomPicture(72, 14, 5)));
  Store(folder.filePath("anim.ems"), EmsOf(RandomAnimation(24, 24, 3, 6)));
  FakeModem modem({.refuse = refused});
  QStringList arguments{"--send", in, "--to", "+79161234567"};
  if (!options.contains("--device")) arguments << "--device" << modem.Port();
  const Result result = Run(folder.path(), arguments + options);
  // What the export writes for the same input and answers.
  options.removeIf([](const QString& option) { return option == "--speed" || option == "9600"; });
  Run(folder.path(), QStringList{"--convert", in, "out.at", "--to", "+79161234567"} + options);
  const QList<QByteArray> written = PdusOfModemFile(Contents(folder.filePath("out.at")));
  if (sent < 0) sent = int(written.size());
  QVERIFY(sent > 0 || !told.isEmpty());
  QCOMPARE(modem.Given(), written.mid(0, sent));
  QCOMPARE(result.code, told.isEmpty() ? 0 : 1);
  QVERIFY2(result.err.contains(told) && result.err.count(u'\n') == (told.isEmpty() ? 0 : 1),
           qPrintable(result.err));
  QStringList said;
  for (int i = 1; i <= sent; ++i)
    said << QStringLiteral("SMS %1 из %2 отправлено\n").arg(i).arg(written.size());
  QCOMPARE(result.out, said.join(QString()));
}

// Each picture of the messages becomes a new file in the folder, made where
// it is missing, beside the files there, which stay as they were.
void CommandLineTest::receivesIntoFolder_data() {
  QTest::addColumn<int>("messages");  // in the source; -1: no source
  QTest::addColumn<bool>("modem");    // the source a modem holding them, not a file
  QTest::addColumn<QString>("into");
  QTest::addColumn<int>("code");
  QTest::addColumn<QStringList>("files");  // in "got" afterwards
  const QString kept = QStringLiteral("to-79161234567-1.ems");
  const QStringList three{kept, "to-79161234567-2.ems", "to-79161234567-3.ems"};
  QTest::newRow("beside a file") << 2 << false << "got" << 0 << three;
  QTest::newRow("folder made") << 1 << false << "got/new" << 0 << QStringList{"new", kept};
  QTest::newRow("no pictures") << 0 << false << "got" << 1 << QStringList{kept};
  QTest::newRow("no source") << -1 << false << "got" << 1 << QStringList{kept};
  QTest::newRow("folder a file") << 1 << false << "got/" + kept << 1 << QStringList{kept};
  QTest::newRow("from a modem") << 2 << true << "got" << 0 << three;
  QTest::newRow("modem holding none") << 0 << true << "got" << 1 << QStringList{kept};
}

void CommandLineTest::receivesIntoFolder() {
  QFETCH(int, messages);
  QFETCH(bool, modem);
  QFETCH(QString, into);
  QFETCH(int, code);
  QFETCH(QStringList, files);
  QTemporaryDir folder;
  QVERIFY(QDir(folder.path()).mkdir("got"));
  Store(folder.filePath("got/to-79161234567-1.ems"), "keep");
  QList<Animation> sent;
  QByteArray source = "AT+CMGF=0\r\n";
  for (int i = 0; i < messages; ++i) {
    sent << RandomAnimation(16, 16, 4 - 3 * i, quint32(i));
    QByteArray commands;
    QVERIFY(EncodeModemCommands(sent.last(), sent.last().Frame(0), {"+79161234567", "Hi"}, {},
                                commands) == FormatStatus::Ok);
    source += commands;
  }
  if (messages >= 0) Store(folder.filePath("in.txt"), source);
  // The modem keeps them as messages stored and sent, in its SIM's memory.
  QList<FakeStored> stored;
  for (const QByteArray& pdu : PdusOfModemFile(source)) stored.append({3, pdu});
  FakeModem phone({}, {{QStringLiteral("SM"), stored}});
  const Result result =
      Run(folder.path(), {"--receive", modem ? phone.Port() : QStringLiteral("in.txt"), into});
  QCOMPARE(result.code, code);
  QVERIFY(Russian(result.code == 0 ? result.out : result.err));
  QCOMPARE(Names(folder.filePath("got")), files);
  QCOMPARE(Contents(folder.filePath("got/to-79161234567-1.ems")), QByteArray("keep"));
  const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
  QCOMPARE(lines.size(), code == 0 ? sent.size() : 0);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString name =
        QStringLiteral("%1/to-79161234567-%2.ems").arg(into).arg(into == "got" ? i + 2 : i + 1);
    QVERIFY2(lines[i].startsWith(name) && lines[i].contains("Hi"), qPrintable(lines[i]));
    EmsAnimation back;
    QCOMPARE(DecodeEmsAnimation(Contents(folder.filePath(name)), back), FormatStatus::Ok);
    QVERIFY(back.first == sent[i].Frame(0));
    QCOMPARE(back.further.size(), std::size_t(sent[i].Count() - 1));
    for (int k = 1; k < sent[i].Count(); ++k)
      QVERIFY(back.further[k - 1] == sent[i].frames[k].cells);
  }
}

void CommandLineTest::exportsFonts_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("code");
  QTest::addColumn<QString>("mentions");  // in standard error; empty: nothing there
  const QString fixed = QStringLiteral("/usr/share/fonts/X11/misc/6x13.pcf.gz");
  const QString dejavu = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
  const auto row = [](const char* name, QStringList arguments, int code, const QString& mentions) {
    QTest::newRow(name) << QStringList{"--font-export"} + arguments << code << mentions;
  };
  row("bitmap to GFX, Russian", {fixed, "out.h", "--chars", "U+0410-U+044F"}, 0, {});
  row("bitmap at its size", {fixed, "out.H", "--size", "13"}, 0, {});
  row("scalable file at a size", {dejavu, "out.h", "--size", "12"}, 0, {});
  row("installed family", {"dejavu sans", "out.bdf"}, 0, {});
  row("some characters missing", {fixed, "out.bdf", "--chars", "65, U+1F600"}, 0, "U+1F600");
  row("no output", {fixed}, 2, "--font-export");
  row("other type", {fixed, "out.txt"}, 2, "out.txt");
  row("size too small", {dejavu, "out.h", "--size", "3"}, 2, "«3»");
  row("option of --convert", {fixed, "out.h", "--threshold", "9"}, 2, "--threshold");
  row("with --convert", {fixed, "out.h", "--convert"}, 2, "--convert");
  QTest::newRow("--chars alone") << QStringList{"--chars", "1-9", "a.ems"} << 2 << "--font-export";
  row("list not read", {fixed, "out.h", "--chars", "70-60"}, 1, "70-60");
  row("no such family", {"Нет Такого", "out.h"}, 1, "Нет Такого");
  row("not a font", {"keep.bdf", "out.h"}, 1, "keep.bdf");
  row("none of the characters", {fixed, "keep.bdf", "--chars", "U+1F600"}, 1, "");
  row("bitmap at another size", {fixed, "out.h", "--size", "16"}, 1, "16");
}

// Written, or refused with one line (and the usage where the arguments are
// wrong), with no file made and the one there kept.
void CommandLineTest::exportsFonts() {
  QFETCH(QStringList, arguments);
  QFETCH(int, code);
  QFETCH(QString, mentions);
  if (!QFile::exists(QStringLiteral("/usr/share/fonts/X11/misc/6x13.pcf.gz")) ||
      !QFile::exists(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf")))
    QSKIP("xfonts-base or fonts-dejavu-core is not installed");
  QTemporaryDir folder;
  Store(folder.filePath("keep.bdf"), "an older file in the way");
  const QStringList before = Names(folder.path());
  const Result result = Run(folder.path(), arguments);
  QCOMPARE(result.code, code);
  QCOMPARE(result.out, QString());
  QVERIFY2(result.err.contains(mentions) && (code == 2 || result.err.count(u'\n') <= 1) &&
               (code == 0 ? result.err.isEmpty() == mentions.isEmpty() : Russian(result.err)),
           qPrintable(result.err));
  QCOMPARE(Contents(folder.filePath("keep.bdf")), QByteArray("an older file in the way"));
  if (code == 0)
    QVERIFY(QFileInfo(folder.filePath(arguments[2])).size() > 0);
  else
    QCOMPARE(Names(folder.path()), before);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
