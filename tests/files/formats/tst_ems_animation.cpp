#include <QtTest>

#include "fakes/pictures.h"
#include "files/formats/ems_animation.h"

using namespace tochkograf;

namespace {

// A picture as a reader of the one-picture layout sees the file: marker,
// width, height, then the rows, leftmost pixel in the high bit. Whatever
// follows is not its business.
Picture OldLayoutReader(const QByteArray& bytes) {
  Picture picture{static_cast<unsigned char>(bytes[1]), static_cast<unsigned char>(bytes[2]), {}};
  const int row_bytes = (picture.width + 7) / 8;
  for (int y = 1; y <= picture.height; ++y)
    for (int x = 1; x <= picture.width; ++x)
      picture.cells(x, y) =
          bytes[3 + (y - 1) * row_bytes + (x - 1) / 8] & (0x80 >> ((x - 1) % 8)) ? kOn : kOff;
  return picture;
}

// CRC-16/X-25 bit by bit, from its definition: reflected 0x1021, starting
// at and finished with 0xFFFF.
quint16 Crc(const QByteArray& bytes) {
  quint16 crc = 0xffff;
  for (const char byte : bytes) {
    crc ^= static_cast<unsigned char>(byte);
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0x8408 : crc >> 1;
  }
  return crc ^ 0xffff;
}

// `bytes` with the two bytes of its end a checksum of the rest once more.
QByteArray Resealed(QByteArray bytes) {
  const quint16 crc = Crc(bytes.left(bytes.size() - 2));
  bytes[bytes.size() - 2] = static_cast<char>(crc & 0xff);
  bytes[bytes.size() - 1] = static_cast<char>(crc >> 8);
  return bytes;
}

// `frames` frames of width x height, each its own random cells within the
// size, and durations across the whole range.
EmsAnimation RandomAnimation(int width, int height, int frames) {
  EmsAnimation animation{RandomPicture(width, height, frames), {}, {}};
  QRandomGenerator random(frames);
  for (int i = 0; i < frames; ++i) {
    animation.durations.push_back(random.bounded(kShortestFrame, kLongestFrame + 1));
    if (i == 0) continue;
    PackedBlock cells;
    for (int y = 1; y <= height; ++y)
      for (int x = 1; x <= width; ++x) cells.Set(x, y, random.bounded(2));
    animation.further.push_back(cells);
  }
  return animation;
}

// Two frames of 9 x 3: the first 3 + 6 bytes, then the block's 10 + 2,
// the durations (4), the second frame (6) and the checksum (2).
QByteArray TwoFrames() { return EncodeEmsAnimation(RandomAnimation(9, 3, 2)); }

}  // namespace

class EmsAnimationTest : public QObject {
  Q_OBJECT

 private slots:
  void roundTripOfEveryFrameCount_data();
  void roundTripOfEveryFrameCount();
  void damagedBlockRefused_data();  // and the longest and shortest durations taken
  void damagedBlockRefused();
  void everyCutAndEveryFlipRefused();
  void otherBytesAfterThePictureStillIgnored();
};

void EmsAnimationTest::roundTripOfEveryFrameCount_data() {
  QTest::addColumn<QSize>("size");
  for (const QSize size : {QSize(1, 1), QSize(128, 96), QSize(1, 96), QSize(128, 1), QSize(9, 3)})
    QTest::addRow("%dx%d", size.width(), size.height()) << size;
}

void EmsAnimationTest::roundTripOfEveryFrameCount() {
  QFETCH(QSize, size);
  const int row_bytes = (size.width() + 7) / 8;
  for (int frames = 1; frames <= kMaxFrames; ++frames) {
    const EmsAnimation written = RandomAnimation(size.width(), size.height(), frames);
    const QByteArray bytes = EncodeEmsAnimation(written);
    QVERIFY(OldLayoutReader(bytes) == written.first);
    const int one_picture = 3 + size.height() * row_bytes;
    QCOMPARE(bytes.size(), frames == 1 ? one_picture
                                       : one_picture + 12 + 2 * frames +
                                             (frames - 1) * size.height() * row_bytes + 2);
    QVERIFY(bytes.size() <= EmsAnimationReadLimit());
    EmsAnimation read;
    QCOMPARE(DecodeEmsAnimation(bytes, read), FormatStatus::Ok);
    QVERIFY(read.first == written.first);
    QCOMPARE(read.further, written.further);
    QCOMPARE(read.durations,
             frames == 1 ? std::vector<std::int32_t>{kNewFrameDuration} : written.durations);
  }
}

void EmsAnimationTest::damagedBlockRefused_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<FormatStatus>("status");
  const QByteArray good = TwoFrames();
  // Bytes 19 on: the version, the frames, the durations of both.
  const auto with = [&](int at, const QByteArray& value) {
    return Resealed(QByteArray(good).replace(at, value.size(), value));
  };
  QTest::newRow("version 2") << with(19, "\x02") << FormatStatus::Unsupported;
  QTest::newRow("no frames") << with(20, QByteArray(1, 0)) << FormatStatus::Damaged;
  QTest::newRow("one frame") << with(20, "\x01") << FormatStatus::Damaged;
  QTest::newRow("65 frames") << with(20, "\x41") << FormatStatus::Damaged;
  QTest::newRow("three frames, two there") << with(20, "\x03") << FormatStatus::Truncated;
  QTest::newRow("99 ms") << with(21, QByteArray("\x63\x00", 2)) << FormatStatus::Damaged;
  QTest::newRow("100 ms") << with(21, QByteArray("\x64\x00", 2)) << FormatStatus::Ok;
  QTest::newRow("10000 ms") << with(23, "\x10\x27") << FormatStatus::Ok;
  QTest::newRow("10001 ms") << with(23, "\x11\x27") << FormatStatus::Damaged;
  QTest::newRow("a byte more") << Resealed(good.left(good.size() - 2) + 'x' + "..")
                               << FormatStatus::Damaged;
}

void EmsAnimationTest::damagedBlockRefused() {
  QFETCH(QByteArray, bytes);
  QFETCH(FormatStatus, status);
  EmsAnimation animation = RandomAnimation(5, 5, 3);
  const EmsAnimation before = animation;
  QCOMPARE(DecodeEmsAnimation(bytes, animation), status);
  if (status == FormatStatus::Ok) return;
  QVERIFY(animation.first == before.first && animation.first.cells == before.first.cells);
  QVERIFY(animation.durations == before.durations && animation.further == before.further);
}

void EmsAnimationTest::everyCutAndEveryFlipRefused() {
  const QByteArray good = TwoFrames();
  EmsAnimation animation;
  for (int size = 10; size < good.size(); ++size)
    QVERIFY2(DecodeEmsAnimation(good.left(size), animation) != FormatStatus::Ok,
             qPrintable(QString::number(size)));
  // Past the signature: a changed signature is no block at all.
  for (int at = 19; at < good.size(); ++at) {
    QByteArray bytes = good;
    bytes[at] = static_cast<char>(bytes[at] ^ 0x10);
    QVERIFY2(DecodeEmsAnimation(bytes, animation) != FormatStatus::Ok,
             qPrintable(QString::number(at)));
  }
}

void EmsAnimationTest::otherBytesAfterThePictureStillIgnored() {
  QByteArray bytes = EncodeEmsAnimation(RandomAnimation(9, 3, 1));
  bytes += "Tochkograd and more";
  EmsAnimation animation;
  QCOMPARE(DecodeEmsAnimation(bytes, animation), FormatStatus::Ok);
  QCOMPARE(animation.durations.size(), 1u);
}

QTEST_APPLESS_MAIN(EmsAnimationTest)
#include "tst_ems_animation.moc"
