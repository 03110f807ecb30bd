#include <QTemporaryDir>
#include <QtTest>

#include "fakes/document_harness.h"
#include "fakes/file_bytes.h"
#include "files/bmp_import.h"
#include "files/bmp_writer.h"
#include "files/little_endian.h"

using namespace tochkograf;

class BmpWriterTest : public QObject {
  Q_OBJECT

 private slots:
  void importReadsBackEveryWidth();
  void layoutIsTheOneBitBottomUpKind_data();
  void layoutIsTheOneBitBottomUpKind();
};

// Every width, with heights that make a picture one row, odd and the largest.
void BmpWriterTest::importReadsBackEveryWidth() {
  QTemporaryDir folder;
  const QString name = folder.filePath(QStringLiteral("written.bmp"));
  for (int width = 1; width <= kMaxWidth; ++width)
    for (const int height : {1, 7, kMaxHeight}) {
      const Picture picture = RandomPicture(width, height, width * 100 + height);
      Store(name, EncodeBmp(picture));
      DocumentHarness document;
      QVERIFY(ImportBmpFile(document.context, name));
      const DocumentState& state = document.state;
      const Picture imported{state.MX, state.MY, state.Pixels};
      QVERIFY2(imported == picture, qPrintable(QStringLiteral("%1 x %2").arg(width).arg(height)));
    }
}

void BmpWriterTest::layoutIsTheOneBitBottomUpKind_data() {
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("height");
  QTest::addColumn<int>("rowBytes");  // whole 32-bit words
  QTest::newRow("1 x 1") << 1 << 1 << 4;
  QTest::newRow("32 x 32") << 32 << 32 << 4;
  QTest::newRow("33 x 2") << 33 << 2 << 8;
  QTest::newRow("72 x 14") << 72 << 14 << 12;
  QTest::newRow("128 x 96") << 128 << 96 << 16;
}

void BmpWriterTest::layoutIsTheOneBitBottomUpKind() {
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

QTEST_GUILESS_MAIN(BmpWriterTest)
#include "tst_bmp_writer.moc"
