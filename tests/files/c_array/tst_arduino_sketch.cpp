#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "fakes/animations.h"
#include "fakes/file_bytes.h"
#include "fakes/pictures.h"
#include "files/c_array/arduino_sketch.h"

using namespace tochkograf;

namespace {

// Debian's arduino-core-avr: the Uno's core, its pins and the Wire library.
const QString kCore = QStringLiteral("/usr/share/arduino/hardware/arduino/avr");

QStringList UnoFlags() {
  return QStringList{"-mmcu=atmega328p",    "-DF_CPU=16000000L",  "-DARDUINO=10807",
                     "-DARDUINO_AVR_UNO",   "-DARDUINO_ARCH_AVR", "-Os",
                     "-ffunction-sections", "-fdata-sections"} +
         QStringList{"-I" + kCore + "/cores/arduino", "-I" + kCore + "/variants/standard",
                     "-I" + kCore + "/libraries/Wire/src"};
}

// What went wrong running `program`; empty when it ended with 0.
QString Run(const QString& program, const QStringList& arguments, QByteArray* out = nullptr) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(120000)) return program + QStringLiteral(" did not end");
  if (out) *out = process.readAllStandardOutput();
  if (process.exitCode() == 0 && process.exitStatus() == QProcess::NormalExit) return {};
  return program + ' ' + arguments.join(' ') + '\n' + process.readAllStandardError();
}

// What the display's memory holds when it shows `picture` centred, ink
// lit: page by page, a byte a column, the top row in the lowest bit.
QByteArray Screen(const Picture& picture, int height) {
  QByteArray screen(128 * height / 8, '\0');
  const int left = (128 - picture.width) / 2;
  const int top = int(std::floor((height - picture.height) / 2.0));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < 128; ++x) {
      const int px = x - left, py = y - top;
      if (px >= 0 && px < picture.width && py >= 0 && py < picture.height &&
          picture.cells(px + 1, py + 1) != kOff)
        screen[y / 8 * 128 + x] = char(screen[y / 8 * 128 + x] | 1 << (y % 8));
    }
  return screen;
}

Animation Timed(Animation animation, const QList<int>& durations) {
  for (qsizetype i = 0; i < durations.size(); ++i)
    animation.frames[size_t(i)].duration = durations[i];
  return animation;
}

}  // namespace

class ArduinoSketchTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void showsOnTheDisplay_data();
  void showsOnTheDisplay();

 private:
  QString BuildFirmware(const QByteArray& sketch);

  QString skip_;  // why the sketch cannot be built or run here
  QString gcc_, gxx_;
  std::unique_ptr<QTemporaryDir> core_;
  QStringList core_objects_;
};

// The Arduino core and Wire, built once for every sketch.
void ArduinoSketchTest::initTestCase() {
  gcc_ = QStandardPaths::findExecutable(QStringLiteral("avr-gcc"));
  gxx_ = QStandardPaths::findExecutable(QStringLiteral("avr-g++"));
  if (gcc_.isEmpty() || gxx_.isEmpty() || !QDir(kCore).exists() ||
      !QFile::exists(QStringLiteral(OLED_SIMULATION)))
    return void(skip_ = QStringLiteral(
                    "needs gcc-avr, avr-libc, arduino-core-avr, simavr, libsimavr-dev and "
                    "libsimavrparts1 (make test installs them)"));
  core_ = std::make_unique<QTemporaryDir>();
  QStringList sources;
  for (const QFileInfo& file : QDir(kCore + "/cores/arduino").entryInfoList({"*.c", "*.cpp"}))
    // The core's String needs DECIMAL_DIG, which Debian's avr-gcc lacks in
    // C++; the sketch uses no String.
    if (file.fileName() != QStringLiteral("WString.cpp")) sources << file.filePath();
  sources << kCore + "/libraries/Wire/src/Wire.cpp" << kCore + "/libraries/Wire/src/utility/twi.c";
  for (const QString& source : sources) {
    const QString object = core_->filePath(QFileInfo(source).fileName() + ".o");
    const bool cpp = source.endsWith(QStringLiteral(".cpp"));
    const QStringList language =
        cpp ? QStringList{"-std=gnu++11", "-fno-exceptions", "-fno-threadsafe-statics"}
            : QStringList{"-std=gnu11"};
    const QString failed =
        Run(cpp ? gxx_ : gcc_, UnoFlags() + language + QStringList{"-c", source, "-o", object});
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    core_objects_ << object;
  }
}

// The sketch as plain C++, every warning of -Wall an error, linked with the core.
QString ArduinoSketchTest::BuildFirmware(const QByteArray& sketch) {
  const QString ino = core_->filePath(QStringLiteral("art.ino"));
  Store(ino, sketch);
  const QString object = ino + ".o", elf = core_->filePath(QStringLiteral("art.elf"));
  QString failed =
      Run(gxx_, UnoFlags() + QStringList{"-std=gnu++11", "-fno-exceptions", "-Wall", "-Werror",
                                         "-x", "c++", "-c", ino, "-o", object});
  if (failed.isEmpty())
    failed = Run(gcc_, QStringList{"-mmcu=atmega328p", "-Os", "-Wl,--gc-sections", object} +
                           core_objects_ + QStringList{"-o", elf});
  return failed.isEmpty() ? elf : QStringLiteral("!") + failed;
}

void ArduinoSketchTest::showsOnTheDisplay_data() {
  QTest::addColumn<Animation>("animation");
  QTest::addColumn<int>("address");
  QTest::addColumn<int>("height");
  QTest::addColumn<int>("compression");
  const int none = int(Compression::None), rle = int(Compression::Rle);
  QTest::newRow("128 x 64") << Animation::Of(RandomPicture(128, 64, 1)) << 0x3C << 64 << none;
  QTest::newRow("72 x 14, centred")
      << Animation::Of(RandomPicture(72, 14, 2)) << 0x3C << 64 << none;
  QTest::newRow("45 x 21 on a 128 x 32 panel")
      << Animation::Of(RandomPicture(45, 21, 3)) << 0x3C << 32 << none;
  QTest::newRow("two frames") << Timed(RandomAnimation(40, 30, 2, 4), {300, 200}) << 0x3C << 64
                              << none;
  QTest::newRow("three frames packed, at 0x3D")
      << Timed(RandomAnimation(128, 64, 3, 6), {200, 100, 400}) << 0x3D << 64 << rle;
  QTest::newRow("128 x 96 packed, taller than the panel")
      << Animation::Of(RandomPicture(128, 96, 8)) << 0x3C << 64 << rle;
}

// The display's memory, read every few milliseconds of simulated time,
// shows each frame from when it is due: the first as soon as the sketch
// has drawn it, each next one its durations later, round and round, never
// later by the time the transfers take. The controller is on, not
// inverted, its columns and rows turned for the usual module.
void ArduinoSketchTest::showsOnTheDisplay() {
  if (!skip_.isEmpty()) QSKIP(qPrintable(skip_));
  QFETCH(Animation, animation);
  QFETCH(int, address);
  QFETCH(int, height);
  QFETCH(int, compression);
  const QString elf = BuildFirmware(EncodeArduinoSketch(
      animation, {address, height, Compression(compression), QStringLiteral("art")}));
  QVERIFY2(!elf.startsWith('!'), qPrintable(elf));
  constexpr int kStep = 5;
  int round = 0;
  for (const AnimationFrame& frame : animation.frames) round += frame.duration;
  const int rounds = animation.Count() > 1 ? 3 : 1;
  QByteArray out;
  const QString failed = Run(QStringLiteral(OLED_SIMULATION),
                             {elf, QString::number(height), QString::number(address),
                              QString::number(kStep), QString::number(200 + rounds * round)},
                             &out);
  QVERIFY2(failed.isEmpty(), qPrintable(failed));
  QList<QByteArray> screens;
  for (int i = 0; i < animation.Count(); ++i) screens << Screen(animation.Frame(i), height);
  // When each frame appeared, in order.
  QList<int> shown_at, shown;
  QByteArray flags;
  for (const QByteArray& line : out.split('\n')) {
    const QList<QByteArray> fields = line.split(' ');
    if (fields.size() != 4 || fields[0] != "screen") continue;
    flags = fields[2];
    const qsizetype frame = screens.indexOf(QByteArray::fromHex(fields[3]));
    if (frame >= 0) shown << int(frame), shown_at << fields[1].toInt();
  }
  QCOMPARE(flags, QByteArray("2"));
  QVERIFY2(!shown.isEmpty(), "the picture never showed");
  int due = 0;
  for (qsizetype i = 0; i < shown.size(); ++i) {
    const int frame = int(i % animation.Count());
    QCOMPARE(shown[i], frame);
    QVERIFY2(std::abs(shown_at[i] - shown_at[0] - due) <= 2 * kStep,
             qPrintable(QString::asprintf("showing %d at %d ms, due %d ms after the first at %d ms",
                                          int(i), shown_at[i], due, shown_at[0])));
    due += animation.frames[size_t(frame)].duration;
  }
  QVERIFY(shown.size() >= rounds * animation.Count());
}

QTEST_GUILESS_MAIN(ArduinoSketchTest)
#include "tst_arduino_sketch.moc"
