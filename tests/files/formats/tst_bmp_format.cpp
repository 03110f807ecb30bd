#include <QBuffer>
#include <QImage>
#include <QtTest>

#include "fakes/pictures.h"
#include "files/formats/bmp_format.h"
#include "files/little_endian.h"

using namespace tochkograf;

namespace {

const QString kData = QStringLiteral(TOCHKOGRAF_TEST_DATA "/bmp/");

// The pattern every hand-made file shows (see make_bmp_fixtures.py).
bool Dark(int x, int y) { return (3 * x + 5 * y) % 7 == 0 || x == y; }

QByteArray Fixture(const QString& name) {
  QFile file(kData + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file written by Qt's own BMP writer, from a one-bit image whose colour
// table lists `first` and then the other of black and white.
QByteArray WrittenByQt(int width, int height, QRgb first, quint32 seed, QImage* shown) {
  QImage image(width, height, QImage::Format_Mono);
  const QRgb second = first == qRgb(0, 0, 0) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
  image.setColorTable({first, second});
  QRandomGenerator random(seed);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, random.bounded(2));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  *shown = image;
  return bytes;
}

QString Describe(int x, int y) { return QStringLiteral("cell (%1, %2)").arg(x).arg(y); }

}  // namespace

class BmpFormatTest : public QObject {
  Q_OBJECT

 private slots:
  void decodesHandMadeFiles_data();
  void decodesHandMadeFiles();
  void handMadeFilesReadTheSameInQt();
  void matchesWhatQtWrites_data();
  void matchesWhatQtWrites();
  void refusesWhatItCannotShow_data();
  void refusesWhatItCannotShow();
  void refusesOtherDepthsWrittenByQt();
  void rowStrides();
  void readsBackWhatItWritesAtEveryWidth();
  void writesTheOneBitBottomUpKind_data();
  void writesTheOneBitBottomUpKind();
};

void BmpFormatTest::decodesHandMadeFiles_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("height");
  QTest::newRow("1 x 1") << "w1_h1.bmp" << 1 << 1;
  QTest::newRow("8 x 14") << "w8_h14.bmp" << 8 << 14;
  QTest::newRow("14 x 14, fill bits") << "w14_h14.bmp" << 14 << 14;
  QTest::newRow("16 x 16, fill bytes") << "w16_h16.bmp" << 16 << 16;
  QTest::newRow("32 x 32, no fill") << "w32_h32.bmp" << 32 << 32;
  QTest::newRow("72 x 14") << "w72_h14.bmp" << 72 << 14;
  QTest::newRow("128 x 96") << "w128_h96.bmp" << 128 << 96;
  QTest::newRow("top-down") << "w16_h16_top_down.bmp" << 16 << 16;
  QTest::newRow("white first in table") << "w24_h26_white_first.bmp" << 24 << 26;
  QTest::newRow("108-byte header") << "w32_h8_header108.bmp" << 32 << 8;
  QTest::newRow("124-byte header") << "w20_h10_header124.bmp" << 20 << 10;
  QTest::newRow("OS/2 1.x header") << "w16_h16_os2.bmp" << 16 << 16;
  QTest::newRow("OS/2 1.x, white first") << "w40_h9_os2_white_first.bmp" << 40 << 9;
  QTest::newRow("OS/2 2.x header") << "w24_h10_os2v2.bmp" << 24 << 10;
}

void BmpFormatTest::decodesHandMadeFiles() {
  QFETCH(QString, file);
  QFETCH(int, width);
  QFETCH(int, height);
  Picture picture;
  FillRandom(picture.cells, 3);
  const PixelGrid before = picture.cells;
  QCOMPARE(DecodeBmp(Fixture(file), picture), FormatStatus::Ok);
  QCOMPARE(picture.width, width);
  QCOMPARE(picture.height, height);
  for (int y = 0; y < PixelGrid::kRows; ++y)
    for (int x = 0; x < PixelGrid::kColumns; ++x) {
      const bool inside = x >= 1 && x <= width && y >= 1 && y <= height;
      // Fill bits are not picture: cells beyond the width keep their values.
      const Flag expected = inside ? (Dark(x, y) ? kOn : kOff) : before(x, y);
      QVERIFY2(picture.cells(x, y) == expected, qPrintable(Describe(x, y)));
    }
}

void BmpFormatTest::handMadeFilesReadTheSameInQt() {
  for (const char* name : {"w14_h14.bmp", "w72_h14.bmp", "w16_h16_top_down.bmp",
                           "w24_h26_white_first.bmp", "w32_h8_header108.bmp", "w16_h16_os2.bmp",
                           "w40_h9_os2_white_first.bmp", "w24_h10_os2v2.bmp"}) {
    QImage image;
    QVERIFY2(image.loadFromData(Fixture(QLatin1String(name)), "BMP"), name);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        QVERIFY2((qGray(image.pixel(x, y)) < 128) == Dark(x + 1, y + 1), name);
  }
}

void BmpFormatTest::matchesWhatQtWrites_data() {
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("height");
  QTest::addColumn<bool>("blackFirst");
  for (const QSize size : {QSize(1, 1), QSize(8, 14), QSize(14, 14), QSize(16, 16), QSize(32, 32),
                           QSize(33, 2), QSize(72, 14), QSize(128, 96)})
    for (bool black_first : {true, false})
      QTest::addRow("%d x %d, %s first", size.width(), size.height(),
                    black_first ? "black" : "white")
          << size.width() << size.height() << black_first;
}

void BmpFormatTest::matchesWhatQtWrites() {
  QFETCH(int, width);
  QFETCH(int, height);
  QFETCH(bool, blackFirst);
  QImage shown;
  const QByteArray bytes =
      WrittenByQt(width, height, blackFirst ? qRgb(0, 0, 0) : qRgb(255, 255, 255),
                  width * 131 + height, &shown);
  Picture picture;
  QCOMPARE(DecodeBmp(bytes, picture), FormatStatus::Ok);
  QCOMPARE(picture.width, width);
  QCOMPARE(picture.height, height);
  for (int y = 1; y <= height; ++y)
    for (int x = 1; x <= width; ++x) {
      const bool dark = qGray(shown.pixel(x - 1, y - 1)) < 128;
      QVERIFY2(picture.cells(x, y) == (dark ? kOn : kOff), qPrintable(Describe(x, y)));
    }
}

void BmpFormatTest::refusesWhatItCannotShow_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<int>("status");
  QTest::newRow("129 wide") << Fixture("w129_h14.bmp") << int(FormatStatus::BadSize);
  QTest::newRow("97 high") << Fixture("w16_h97.bmp") << int(FormatStatus::BadSize);
  QTest::newRow("truncated") << Fixture("w16_h96_truncated.bmp") << int(FormatStatus::Truncated);
  QTest::newRow("compressed") << Fixture("w16_h16_rle.bmp") << int(FormatStatus::Unsupported);
  QTest::newRow("12-byte header") << Fixture("w16_h16_header12.bmp")
                                  << int(FormatStatus::Unsupported);
  QTest::newRow("24 bits per pixel")
      << Fixture("w8_h8_24bit.bmp") << int(FormatStatus::Unsupported);
  QTest::newRow("not a BMP") << Fixture("not_a_bmp.bmp") << int(FormatStatus::NotThisFormat);
  QTest::newRow("empty") << QByteArray() << int(FormatStatus::NotThisFormat);
  QTest::newRow("signature only") << QByteArray("BM") << int(FormatStatus::NotThisFormat);

  const QByteArray good = Fixture("w16_h16.bmp");
  const auto patched = [&](int offset, QByteArray value) {
    QByteArray bytes = good;
    bytes.replace(offset, value.size(), value);
    return bytes;
  };
  QTest::newRow("width 0") << patched(18, QByteArray::fromHex("00000000"))
                           << int(FormatStatus::BadSize);
  QTest::newRow("width -16") << patched(18, QByteArray::fromHex("f0ffffff"))
                             << int(FormatStatus::BadSize);
  QTest::newRow("height 0") << patched(22, QByteArray::fromHex("00000000"))
                            << int(FormatStatus::BadSize);
  QTest::newRow("height -97") << patched(22, QByteArray::fromHex("9fffffff"))
                              << int(FormatStatus::BadSize);
  QTest::newRow("three colours") << patched(46, QByteArray::fromHex("03000000"))
                                 << int(FormatStatus::Unsupported);
  QTest::newRow("data beyond the end")
      << patched(10, QByteArray::fromHex("ff000000")) << int(FormatStatus::Truncated);
  QTest::newRow("data over the headers")
      << patched(10, QByteArray::fromHex("10000000")) << int(FormatStatus::Truncated);
  QTest::newRow("huge data offset")
      << patched(10, QByteArray::fromHex("ffffffff")) << int(FormatStatus::Truncated);
}

void BmpFormatTest::refusesWhatItCannotShow() {
  QFETCH(QByteArray, bytes);
  QFETCH(int, status);
  Picture picture;
  FillRandom(picture.cells, 7);
  const PixelGrid before = picture.cells;
  QCOMPARE(int(DecodeBmp(bytes, picture)), status);
  QVERIFY(picture.cells == before);
}

void BmpFormatTest::refusesOtherDepthsWrittenByQt() {
  for (QImage::Format format :
       {QImage::Format_RGB888, QImage::Format_Indexed8, QImage::Format_RGB32}) {
    QImage image(16, 16, format);
    if (format == QImage::Format_Indexed8)
      image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(0);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&buffer, "BMP"));
    Picture picture;
    QCOMPARE(DecodeBmp(bytes, picture), FormatStatus::Unsupported);
  }
}

void BmpFormatTest::rowStrides() {
  QCOMPARE(BmpStride(1), 4);
  QCOMPARE(BmpStride(16), 4);
  QCOMPARE(BmpStride(32), 4);
  QCOMPARE(BmpStride(33), 8);
  QCOMPARE(BmpStride(72), 12);
  QCOMPARE(BmpStride(128), 16);
}

// Every width, with heights that make a picture one row, odd and the largest.
void BmpFormatTest::readsBackWhatItWritesAtEveryWidth() {
  for (int width = 1; width <= kMaxWidth; ++width)
    for (const int height : {1, 7, kMaxHeight}) {
      const Picture picture = RandomPicture(width, height, width * 100 + height);
      Picture imported;
      QCOMPARE(DecodeBmp(EncodeBmp(picture), imported), FormatStatus::Ok);
      QVERIFY2(imported == picture, qPrintable(QStringLiteral("%1 x %2").arg(width).arg(height)));
    }
}

void BmpFormatTest::writesTheOneBitBottomUpKind_data() {
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("height");
  QTest::addColumn<int>("rowBytes");  // whole 32-bit words
  QTest::newRow("1 x 1") << 1 << 1 << 4;
  QTest::newRow("32 x 32") << 32 << 32 << 4;
  QTest::newRow("33 x 2") << 33 << 2 << 8;
  QTest::newRow("72 x 14") << 72 << 14 << 12;
  QTest::newRow("128 x 96") << 128 << 96 << 16;
}

void BmpFormatTest::writesTheOneBitBottomUpKind() {
  QFETCH(int, width);
  QFETCH(int, height);
  QFETCH(int, rowBytes);
  Picture picture{width, height, {}};
  picture.cells(1, height) = kOn;  // bottom left: the first bit of the pixel data
  const QByteArray bytes = EncodeBmp(picture);
  const int data = static_cast<int>(Read32(bytes, 10));
  QVERIFY(bytes.startsWith("BM"));
  QCOMPARE(Read32(bytes, 2), std::uint32_t(bytes.size()));
  QCOMPARE(Read32(bytes, 14), 40u);
  QCOMPARE(ReadSigned32(bytes, 18), width);
  QCOMPARE(ReadSigned32(bytes, 22), height);                            // positive: bottom-up
  QCOMPARE(Read16(bytes, 28), 1);                                       // bits per pixel
  QCOMPARE(Read32(bytes, 30), 0u);                                      // no compression
  QCOMPARE(bytes.mid(54, 8), QByteArray("\0\0\0\0\xff\xff\xff\0", 8));  // black, then white
  QCOMPARE(data, 62);
  QCOMPARE(bytes.size(), data + rowBytes * height);
  // Ink is black, entry 0: only the bottom row's first bit is clear.
  QCOMPARE(static_cast<unsigned char>(bytes[data]) & 0x80, 0);
  if (width > 1) QVERIFY(static_cast<unsigned char>(bytes[data]) & 0x40);
}

QTEST_MAIN(BmpFormatTest)
#include "tst_bmp_format.moc"
