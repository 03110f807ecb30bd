#include <QBuffer>
#include <QImageReader>
#include <QtTest>

#include "fakes/animations.h"
#include "fakes/pictures.h"
#include "images/file_formats.h"

using namespace tochkograf;

namespace {

// The table's type that writes every frame into files of `extension`.
const FileFormat& EveryFrameType(const QString& extension) {
  for (const FileFormat* format : Where(BuiltInFormats(), Writes))
    if (format->every_frame && format->extensions.contains(extension)) return *format;
  qFatal("no type writes every frame to .%s", qPrintable(extension));
}

// What the writer of `extension` gives for `animation`; with no frames,
// for the one `picture`.
QByteArray Written(const QString& extension, const Animation& animation, const Picture& picture) {
  WriteOptions options;
  options.animation = animation;
  QByteArray bytes;
  if (EveryFrameType(extension).write(picture, options, bytes) != FormatStatus::Ok) return {};
  return bytes;
}

// Whether `image` shows frame `index` of `animation` at column `left`: ink
// black, paper white.
bool Shows(const QImage& image, int left, const Animation& animation, int index) {
  for (int y = 1; y <= animation.height; ++y)
    for (int x = 1; x <= animation.width; ++x) {
      const QRgb expected =
          animation.frames[index].cells.At(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
      if (image.pixel(left + x - 1, y - 1) != expected) return false;
    }
  return true;
}

}  // namespace

class AnimationExportTest : public QObject {
  Q_OBJECT

 private slots:
  void qtReadsEveryFrameOfTheGif_data();
  void qtReadsEveryFrameOfTheGif();
  void stripHoldsEveryFrameSideBySide_data();
  void stripHoldsEveryFrameSideBySide();
};

namespace {

void AnimationCases() {
  QTest::addColumn<Animation>("animation");
  QTest::addColumn<bool>("given");  // false: the writer is given only the first frame's picture
  QTest::newRow("1 x 1, one frame") << RandomAnimation(1, 1, 1, 3) << true;
  QTest::newRow("one picture, no frames") << RandomAnimation(33, 7, 1, 4) << false;
  QTest::newRow("2 frames of 16 x 16") << RandomAnimation(16, 16, 2, 5) << true;
  QTest::newRow("odd width, 5 frames") << RandomAnimation(37, 5, 5, 6) << true;
  QTest::newRow("1 x 1, 3 frames") << RandomAnimation(1, 1, 3, 7) << true;
  QTest::newRow("64 frames of 128 x 96")
      << RandomAnimation(kMaxWidth, kMaxHeight, kMaxFrames, 8) << true;
  Animation extremes = RandomAnimation(9, 2, 4, 9);
  const int durations[] = {kShortestFrame, kLongestFrame, 155, 104};
  for (int i = 0; i < 4; ++i) extremes.frames[i].duration = durations[i];
  QTest::newRow("shortest, longest, halves rounded") << extremes << true;
}

}  // namespace

void AnimationExportTest::qtReadsEveryFrameOfTheGif_data() { AnimationCases(); }

void AnimationExportTest::qtReadsEveryFrameOfTheGif() {
  QFETCH(Animation, animation);
  QFETCH(bool, given);
  QByteArray bytes =
      Written(QStringLiteral("gif"), given ? animation : Animation{}, animation.Frame(0));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "gif");
  QCOMPARE(reader.imageCount(), animation.Count());
  // Qt says -1 for a loop without end, 0 for a GIF that does not loop.
  QCOMPARE(reader.loopCount(), animation.Count() > 1 ? -1 : 0);
  for (int i = 0; i < animation.Count(); ++i) {
    const QImage image = reader.read();
    QCOMPARE(image.size(), QSize(animation.width, animation.height));
    QVERIFY2(Shows(image, 0, animation, i), qPrintable(QString::number(i)));
    // GIF counts hundredths of a second, Qt gives them in milliseconds.
    if (animation.Count() > 1)
      QCOMPARE(reader.nextImageDelay(), qRound(animation.frames[i].duration / 10.0) * 10);
  }
}

void AnimationExportTest::stripHoldsEveryFrameSideBySide_data() { AnimationCases(); }

void AnimationExportTest::stripHoldsEveryFrameSideBySide() {
  QFETCH(Animation, animation);
  QFETCH(bool, given);
  const QImage image = QImage::fromData(
      Written(QStringLiteral("png"), given ? animation : Animation{}, animation.Frame(0)), "PNG");
  QCOMPARE(image.size(), QSize(animation.width * animation.Count(), animation.height));
  for (int i = 0; i < animation.Count(); ++i)
    QVERIFY2(Shows(image, i * animation.width, animation, i), qPrintable(QString::number(i)));
}

QTEST_GUILESS_MAIN(AnimationExportTest)
#include "tst_animation_export.moc"
