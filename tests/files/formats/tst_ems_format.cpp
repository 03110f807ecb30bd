#include <QtTest>

#include "fakes/pictures.h"
#include "files/formats/ems_format.h"

using namespace tochkograf;

namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

}  // namespace

class EmsFormatTest : public QObject {
  Q_OBJECT

 private slots:
  void encodesKnownPictures();
  void fileSizesOfStandardPictures_data();
  void fileSizesOfStandardPictures();
  void roundTripKeepsPictureAndSpareCells();
  void refusesBadFilesWithoutTouchingAnything_data();
  void refusesBadFilesWithoutTouchingAnything();
  void acceptsAnyMarkerAndIgnoresJunkAfterData();
  void spareBitsLandBeyondRightEdge();
  void leavesCellsBeyondRowsAlone();
};

void EmsFormatTest::encodesKnownPictures() {
  PixelGrid pixels;
  pixels(1, 1) = kOn;
  pixels(8, 1) = kOn;
  QCOMPARE(EncodeEms({8, 2, pixels}).toHex(), Hex("0208028100").toHex());

  pixels = PixelGrid();
  pixels(1, 1) = kOn;
  pixels(10, 1) = kOn;
  QCOMPARE(EncodeEms({10, 2, pixels}), Hex("020A0280400000"));

  const QByteArray empty = EncodeEms({32, 32, PixelGrid()});
  QCOMPARE(empty.size(), 131);
  QCOMPARE(empty.left(3), Hex("022020"));
  QCOMPARE(empty.mid(3), QByteArray(128, '\0'));

  pixels = PixelGrid();
  pixels(128, 96) = kOn;
  const QByteArray largest = EncodeEms({128, 96, pixels});
  QCOMPARE(largest.size(), 1539);
  QCOMPARE(largest.left(3), Hex("028060"));
  QCOMPARE(static_cast<unsigned char>(largest.back()), 0x01);
}

void EmsFormatTest::fileSizesOfStandardPictures_data() {
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("height");
  QTest::addColumn<int>("size");
  QTest::newRow("16 x 16") << 16 << 16 << 35;
  QTest::newRow("24 x 26") << 24 << 26 << 81;
  QTest::newRow("32 x 32") << 32 << 32 << 131;
  QTest::newRow("72 x 14") << 72 << 14 << 129;
  QTest::newRow("128 x 96") << 128 << 96 << 1539;
  QTest::newRow("1 x 1") << 1 << 1 << 4;
  QTest::newRow("9 x 1") << 9 << 1 << 5;
}

void EmsFormatTest::fileSizesOfStandardPictures() {
  QFETCH(int, width);
  QFETCH(int, height);
  QFETCH(int, size);
  QCOMPARE(EncodeEms({width, height, PixelGrid()}).size(), size);
  QCOMPARE(EmsFileSize(width, height), size);
}

void EmsFormatTest::roundTripKeepsPictureAndSpareCells() {
  quint32 seed = 1;
  for (int width : {1, 2, 7, 8, 9, 10, 15, 16, 17, 24, 31, 32, 33, 72, 100, 127, 128})
    for (int height : {1, 2, 14, 26, 95, 96}) {
      PixelGrid original;
      FillRandom(original, ++seed);
      Picture read;
      FillRandom(read.cells, ++seed);
      const PixelGrid before = read.cells;
      const PixelGrid& target = read.cells;
      QCOMPARE(DecodeEms(EncodeEms({width, height, original}), read), FormatStatus::Ok);
      QCOMPARE(read.width, width);
      QCOMPARE(read.height, height);
      const int covered = 8 * EmsRowBytes(width);
      for (int y = 0; y < PixelGrid::kRows; ++y)
        for (int x = 0; x < PixelGrid::kColumns; ++x) {
          const bool read = x >= 1 && x <= covered && y >= 1 && y <= height;
          QVERIFY2(
              target(x, y) == (read ? original(x, y) : before(x, y)),
              qPrintable(
                  QStringLiteral("%1 x %2, cell (%3, %4)").arg(width).arg(height).arg(x).arg(y)));
        }
    }
}

void EmsFormatTest::refusesBadFilesWithoutTouchingAnything_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<int>("status");
  const int bad_size = int(FormatStatus::BadSize), truncated = int(FormatStatus::Truncated);
  QTest::newRow("width 0") << Hex("020020") + QByteArray(200, '\xff') << bad_size;
  QTest::newRow("width 129") << Hex("028120") + QByteArray(2000, '\xff') << bad_size;
  QTest::newRow("height 0") << Hex("022000") + QByteArray(200, '\xff') << bad_size;
  QTest::newRow("height 97") << Hex("022061") + QByteArray(2000, '\xff') << bad_size;
  QTest::newRow("width 255") << Hex("02ff10") + QByteArray(2000, '\xff') << bad_size;
  QTest::newRow("empty") << QByteArray() << truncated;
  QTest::newRow("marker only") << Hex("02") << truncated;
  QTest::newRow("no height") << Hex("0220") << truncated;
  QTest::newRow("header only") << Hex("022020") << truncated;
  QTest::newRow("one byte short") << Hex("022020") + QByteArray(127, '\xff') << truncated;
  QTest::newRow("largest, one byte short") << Hex("028060") + QByteArray(1535, '\xff') << truncated;
}

void EmsFormatTest::refusesBadFilesWithoutTouchingAnything() {
  QFETCH(QByteArray, bytes);
  QFETCH(int, status);
  Picture picture{7, 9, {}};
  FillRandom(picture.cells, 5);
  const PixelGrid before = picture.cells;
  QCOMPARE(int(DecodeEms(bytes, picture)), status);
  QCOMPARE(picture.width, 7);
  QCOMPARE(picture.height, 9);
  QVERIFY(picture.cells == before);
}

void EmsFormatTest::acceptsAnyMarkerAndIgnoresJunkAfterData() {
  PixelGrid original;
  FillRandom(original, 9);
  const QByteArray file = EncodeEms({24, 26, original});
  for (char marker : {'\0', '\2', '\xff'}) {
    for (const QByteArray& junk :
         {QByteArray(), QByteArray("junk after the picture"), QByteArray(5000, '\xaa')}) {
      QByteArray bytes = file + junk;
      bytes[0] = marker;
      Picture picture;
      QCOMPARE(DecodeEms(bytes, picture), FormatStatus::Ok);
      QCOMPARE(picture.width, 24);
      QCOMPARE(EncodeEms(picture), file);
    }
  }
}

void EmsFormatTest::spareBitsLandBeyondRightEdge() {
  Picture picture;
  QCOMPARE(DecodeEms(Hex("020A02"
                         "00FF"
                         "0000"),
                     picture),
           FormatStatus::Ok);
  for (int x = 9; x <= 16; ++x) QCOMPARE(picture.cells(x, 1), kOn);
  QCOMPARE(picture.cells(17, 1), kOff);
  QCOMPARE(CountOn(picture.cells), 8);
}

void EmsFormatTest::leavesCellsBeyondRowsAlone() {
  // A 16 x 16 file read over a 32 x 32 drawing replaces only its own cells.
  Picture picture{32, 32, {}};
  for (int y = 1; y <= 32; ++y)
    for (int x = 1; x <= 32; ++x) picture.cells(x, y) = kOn;
  QCOMPARE(DecodeEms(EncodeEms({16, 16, PixelGrid()}), picture), FormatStatus::Ok);
  QCOMPARE(CountOn(picture.cells), 32 * 32 - 16 * 16);
  QCOMPARE(picture.cells(17, 1), kOn);
  QCOMPARE(picture.cells(1, 17), kOn);
}

QTEST_GUILESS_MAIN(EmsFormatTest)
#include "tst_ems_format.moc"
