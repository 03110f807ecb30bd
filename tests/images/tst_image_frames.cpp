#include <QBuffer>
#include <QtTest>

#include "images/image_frames.h"

using namespace tochkograf;

namespace {

QByteArray TestFile(const QString& name) {
  QFile file(QStringLiteral(TOCHKOGRAF_TEST_DATA "/images/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

FormatStatus Read(const QByteArray& bytes, ImportedFrames& frames) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return ReadImageFrames(buffer, {}, kImageMemoryLimitMb, frames);
}

using Durations = QList<std::int32_t>;

}  // namespace

class ImageFramesTest : public QObject {
  Q_OBJECT

 private slots:
  void readsEveryFrameAsImageMagickComposesIt_data();
  void readsEveryFrameAsImageMagickComposesIt();
  void refusesBeforeDecoding_data();
  void refusesBeforeDecoding();
};

// Made by ImageMagick, each with its frames composed by ImageMagick side by
// side (convert FILE -coalesce -background white -alpha remove +append):
//  frames.gif: 24 x 16; a full frame, then patches at offsets disposed of
//    to nothing, to the frame before, and kept, delayed 0, 7, 50 and 2000
//    hundredths: convert -dispose None -delay 0 -size 24x16 xc:white
//    -fill black -draw "rectangle 2,2 9,9" -dispose Background -delay 7
//    -page +12+4 -size 6x6 xc:black -dispose Previous -delay 50 -page +0+12
//    -size 4x4 xc:black -dispose None -delay 2000 -page +20+0 -size 1x1
//    xc:black -loop 0 frames.gif
//  frames_64.gif: 64 frames of 2 x 2, black and white in turn, -delay 10.
void ImageFramesTest::readsEveryFrameAsImageMagickComposesIt_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<Durations>("durations");
  // The shortest frame is 100 ms and the longest 10 s.
  QTest::newRow("disposals") << "frames" << Durations{100, 100, 500, 10000};
  QTest::newRow("most frames") << "frames_64" << Durations(64, 100);
}

void ImageFramesTest::readsEveryFrameAsImageMagickComposesIt() {
  QFETCH(QString, name);
  QFETCH(Durations, durations);
  ImportedFrames frames;
  QCOMPARE(Read(TestFile(name + ".gif"), frames), FormatStatus::Ok);
  QCOMPARE(Durations(frames.durations.begin(), frames.durations.end()), durations);
  const QImage composed = QImage::fromData(TestFile(name + "_coalesced.png"));
  const std::optional<Animation> animation = frames.AsItIs();
  QVERIFY(animation);
  QCOMPARE(animation->Count(), durations.size());
  QCOMPARE(animation->width * animation->Count(), composed.width());
  for (int k = 0; k < animation->Count(); ++k) {
    const Picture frame = animation->Frame(k);
    QCOMPARE(animation->frames[k].duration, durations[k]);
    for (int y = 0; y < frame.height; ++y)
      for (int x = 0; x < frame.width; ++x)
        QVERIFY2((frame.cells(x + 1, y + 1) != kOff) ==
                     (qGray(composed.pixel(k * frame.width + x, y)) < 128),
                 qPrintable(QStringLiteral("frame %1 (%2, %3)").arg(k).arg(x).arg(y)));
  }
}

void ImageFramesTest::refusesBeforeDecoding_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<FormatStatus>("status");
  QTest::addColumn<int>("count");  // frames read, where they are
  const QByteArray gif = TestFile("frames.gif");
  QVERIFY(!gif.isEmpty());
  QTest::newRow("65 frames") << TestFile("frames_65.gif") << FormatStatus::TooManyFrames << 0;
  // Every image whole, but no trailer: all four read.
  QTest::newRow("no trailer") << gif.chopped(1) << FormatStatus::Ok << 4;
  // In the second frame's place and size; in the last frame's data, and
  // before the empty block that ends it.
  for (qsizetype cut : {qsizetype(100), gif.size() - 4, gif.size() - 2})
    QTest::addRow("cut at %d", int(cut)) << gif.left(cut) << FormatStatus::Truncated << 0;
  // A screen of 8000 x 8000: each frame alone would be within the limit,
  // all four are not.
  QByteArray vast = gif;
  vast.replace(6, 4, QByteArray::fromHex("401f401f"));
  QTest::newRow("vast screen") << vast << FormatStatus::TooLarge << 0;
  QTest::newRow("still GIF") << TestFile("photo.gif") << FormatStatus::Ok << 1;
}

void ImageFramesTest::refusesBeforeDecoding() {
  QFETCH(QByteArray, bytes);
  QFETCH(FormatStatus, status);
  QFETCH(int, count);
  ImportedFrames frames;
  QCOMPARE(Read(bytes, frames), status);
  QCOMPARE(int(frames.frames.size()), count);
  QCOMPARE(int(frames.durations.size()), count);
}

QTEST_GUILESS_MAIN(ImageFramesTest)
#include "tst_image_frames.moc"
