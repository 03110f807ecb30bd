// The image import against Qt's own reading, each ratio taken in one run:
//  - a 4000 x 3000 JPEG opened in the conversion dialog, to the preview
//    painted, against QImageReader decoding it at the same reduced size;
//  - a change of threshold or dithering, to the preview painted, against
//    that decode;
//  - the peak memory of importing an 8000 x 8000 PNG (and an 8000 x 8000
//    8-bit BMP, which no reader decodes reduced), above the idle peak of the
//    same process, against the bytes of the image decoded whole;
//  - the same for a 20000 x 20000 16-bit grey PNG, against the target of
//    64 MB above the idle peak, with the time its import takes.
// The inputs are drawn here, in a temporary folder; the vast PNG is
// written a row at a time by the tests' own PNG writer.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/stats.h"
#include "fakes/png_by_hand.h"
#include "images/image_conversion.h"
#include "images/image_reading.h"
#include "windows/dialogs/conversion_dialog.h"
#include "windows/main/pole.h"

extern char** environ;

using namespace tochkograf;
using namespace tochkograf::bench;

namespace {

// A photo-like picture: gradients, discs and text, so that the JPEG is no
// easier to decode than a photo.
QImage Scene(int width, int height, QImage::Format format) {
  QImage image(width, height, format);
  QPainter painter(&image);
  QLinearGradient sky(0, 0, width, height);
  sky.setColorAt(0, QColor(60, 120, 230));
  sky.setColorAt(1, QColor(250, 220, 160));
  painter.fillRect(image.rect(), sky);
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 400; ++i) {
    painter.setBrush(QColor::fromHsv((i * 47) % 360, 120 + i % 120, 60 + (i * 13) % 190, 200));
    painter.drawEllipse(QPoint((i * 7919) % width, (i * 104729) % height), 20 + i % 200,
                        15 + (i * 3) % 150);
  }
  return image;
}

bool Write(const QImage& image, const QString& name, const char* format, int quality) {
  QImageWriter writer(name, format);
  writer.setQuality(quality);
  return writer.write(image);
}

// The largest the process has been, in kB.
long PeakKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return -1;
}

// Shows the conversion dialog of `image` and waits for its preview to be
// painted.
class PaintWatch : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

void OpenInDialog(const QString& name) {
  ImportedImage image;
  if (!ReadImageFile(name, {}, image).Ok()) std::exit(1);
  ImageConversion conversion(image);
  ConversionDialog dialog(image, DefaultSettings(conversion, QSize(32, 32)), true);
  PaintWatch watch;
  dialog.findChild<Pole*>()->installEventFilter(&watch);
  dialog.show();
  while (!watch.painted) QCoreApplication::processEvents();
}

// In a process of its own: the idle peak after a small import, the peak of
// importing `name`, in kB, and the time that import took, in ms.
int MeasureMemory(const QString& small, const QString& name) {
  OpenInDialog(small);
  const long idle = PeakKb();
  QElapsedTimer timer;
  timer.start();
  OpenInDialog(name);
  const long took = timer.elapsed();
  std::printf("%ld %ld %ld\n", idle, PeakKb(), took);
  return 0;
}

struct Peaks {
  long idle = 0, import = 0, ms = 0;
};

Peaks SpawnMemory(const char* self, const QString& small, const QString& name) {
  const QByteArray a = small.toLocal8Bit(), b = name.toLocal8Bit();
  QTemporaryDir folder;
  const QByteArray out = folder.filePath(QStringLiteral("out")).toLocal8Bit();
  std::vector<char*> argv = {const_cast<char*>(self), const_cast<char*>("--memory"),
                             const_cast<char*>(a.constData()), const_cast<char*>(b.constData()),
                             nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT, 0600);
  pid_t pid = 0;
  int status = 0;
  if (posix_spawn(&pid, self, &actions, nullptr, argv.data(), environ) != 0 ||
      waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    std::exit(1);
  posix_spawn_file_actions_destroy(&actions);
  QFile result(QString::fromLocal8Bit(out));
  result.open(QIODevice::ReadOnly);
  const QList<QByteArray> numbers = result.readAll().trimmed().split(' ');
  return {numbers.value(0).toLong(), numbers.value(1).toLong(), numbers.value(2).toLong()};
}

void PrintMemory(const char* what, const Peaks& peaks, qint64 decoded, const char* target) {
  const double above = (peaks.import - peaks.idle) * 1024.0;
  std::printf("  %-38s idle %ld kB, importing %ld kB: %.1f MB above idle, %ld ms\n", what,
              peaks.idle, peaks.import, above / (1 << 20), peaks.ms);
  std::printf("  %-38s %7.3g  %s\n", "  above idle / decoded bytes", above / decoded, target);
}

// 20000 x 20000 greys of 16 bits, squares of two levels: like the scans
// and drawings that make such files, it compresses to about a megabyte.
bool WriteVastPng(const QString& name) {
  PngByHand png;
  png.width = png.height = 20000;
  png.depth = 16;
  png.sample = [](int x, int y, int) { return (x / 250 + y / 250) % 2 * 50000 + 5000; };
  QFile file(name);
  return file.open(QIODevice::WriteOnly) && file.write(png.Bytes()) > 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc == 4 && std::strcmp(argv[1], "--memory") == 0)
    return MeasureMemory(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

  QTemporaryDir folder;
  const QString jpeg = folder.filePath(QStringLiteral("photo.jpg"));
  const QString png = folder.filePath(QStringLiteral("vast.png"));
  const QString bmp = folder.filePath(QStringLiteral("vast.bmp"));
  const QString small = folder.filePath(QStringLiteral("small.png"));
  const QString vast_png = folder.filePath(QStringLiteral("vaster.png"));
  if (!Write(Scene(4000, 3000, QImage::Format_RGB32), jpeg, "jpeg", 90) ||
      !Write(Scene(400, 300, QImage::Format_ARGB32), small, "png", 50))
    return 1;
  {
    const QImage vast = Scene(8000, 8000, QImage::Format_ARGB32);
    if (!Write(vast, png, "png", 90) ||
        !Write(vast.convertToFormat(QImage::Format_Indexed8), bmp, "bmp", -1))
      return 1;
  }

  const QSize reduced = QSize(4000, 3000).boundedTo(QSize(kWorkingSide, kWorkingSide));
  // Taken in turn, so that both see the machine as busy.
  std::vector<double> decodes, opens;
  for (int i = -2; i < 21; ++i) {
    QElapsedTimer timer;
    timer.start();
    QImageReader reader(jpeg);
    reader.setScaledSize(reduced);
    if (reader.read().isNull()) return 1;
    const double decoded_us = timer.nsecsElapsed() / 1000.0;
    timer.restart();
    OpenInDialog(jpeg);
    if (i >= 0) decodes.push_back(decoded_us), opens.push_back(timer.nsecsElapsed() / 1000.0);
  }
  const Figure decode = Summarise(decodes), open = Summarise(opens);

  ImportedImage image;
  if (!ReadImageFile(jpeg, {}, image).Ok()) return 1;
  ImageConversion conversion(image);
  ConversionDialog dialog(image, DefaultSettings(conversion, QSize(32, 32)), true);
  dialog.show();
  QCoreApplication::processEvents();
  auto* slider = dialog.findChild<QSlider*>(QStringLiteral("threshold"));
  auto* pole = dialog.findChild<Pole*>();
  int step = 0;
  const Figure threshold = Measure([&] {
    slider->setValue(100 + (++step % 2) * 40);
    pole->repaint();
  });
  auto* floyd = dialog.findChild<QRadioButton*>(QStringLiteral("floydSteinberg"));
  auto* bayer = dialog.findChild<QRadioButton*>(QStringLiteral("bayer"));
  const Figure dithering = Measure([&] {
    (++step % 2 ? floyd : bayer)->setChecked(true);
    pole->repaint();
  });

  std::printf("== Image import: a 4000 x 3000 JPEG, read reduced to %d x %d\n", reduced.width(),
              reduced.height());
  Print("QImageReader, reduced decode", decode);
  Print("conversion dialog open, preview painted", open);
  Print("threshold change, preview painted", threshold);
  Print("dithering change, preview painted", dithering);
  PrintRatio("open / reduced decode", open, decode, "target at most 1.5");
  PrintRatio("threshold change / reduced decode", threshold, decode, "target at most 1/50");
  PrintRatio("dithering change / reduced decode", dithering, decode, "target at most 1/50");
  std::printf("== Image import: peak memory of 8000 x 8000 images (a fresh process each)\n");
  const qint64 decoded = qint64(8000) * 8000 * 4;
  PrintMemory("PNG, 32 bits, 256 MB decoded", SpawnMemory(argv[0], small, png), decoded,
              "target at most 1.5");
  PrintMemory("BMP, 8 bits, 64 MB decoded, no reduced", SpawnMemory(argv[0], small, bmp),
              decoded / 4, "report only");
  std::printf("== Image import: peak memory of a 20000 x 20000 16-bit grey PNG\n");
  if (!WriteVastPng(vast_png)) return 1;
  PrintMemory("PNG, 16 bits, 800 MB decoded", SpawnMemory(argv[0], small, vast_png),
              qint64(20000) * 20000 * 2, "target: at most 64 MB above idle");
  std::printf("\n");
  return 0;
}
