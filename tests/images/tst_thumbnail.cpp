#include <QtTest>
#include <algorithm>

#include "fakes/pictures.h"
#include "images/thumbnail.h"

using namespace tochkograf;

class ThumbnailTest : public QObject {
  Q_OBJECT

 private slots:
  void blocksCentredOnTransparentMargins_data();
  void blocksCentredOnTransparentMargins();
};

void ThumbnailTest::blocksCentredOnTransparentMargins_data() {
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("height");
  QTest::addColumn<int>("size");
  for (const QSize picture :
       {QSize(1, 1), QSize(16, 16), QSize(72, 14), QSize(3, 96), QSize(kMaxWidth, kMaxHeight)})
    for (const int size : {1, 10, 48, 128, 256, 1000})
      QTest::addRow("%d x %d at %d", picture.width(), picture.height(), size)
          << picture.width() << picture.height() << size;
}

void ThumbnailTest::blocksCentredOnTransparentMargins() {
  QFETCH(int, width);
  QFETCH(int, height);
  QFETCH(int, size);
  const Picture picture = RandomPicture(width, height, size + width);
  const QImage image = Thumbnail(picture, size).convertToFormat(QImage::Format_ARGB32);
  QCOMPARE(image.size(), QSize(size, size));

  // Paper is opaque, so the opaque pixels are the picture's.
  QRect shown;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (qAlpha(image.pixel(x, y)) != 0) shown |= QRect(x, y, 1, 1);
  QVERIFY(std::abs(shown.left() - (size - 1 - shown.right())) <= 1);
  QVERIFY(std::abs(shown.top() - (size - 1 - shown.bottom())) <= 1);
  const int longest = std::max(width, height);
  if (size >= longest) {  // the largest whole blocks that fit
    QCOMPARE(shown.size(), QSize(width, height) * (size / longest));
  } else {  // shrunk alike both ways to fill the square's side
    QCOMPARE(std::max(shown.width(), shown.height()), size);
    QVERIFY(std::abs(shown.width() * height - shown.height() * width) <= longest);
  }

  // Each pixel shows the picture pixel under its centre; all else is margin.
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      QRgb expected = qRgba(0, 0, 0, 0);
      if (shown.contains(x, y)) {
        const int cx = int((x - shown.left() + 0.5) * width / shown.width()) + 1;
        const int cy = int((y - shown.top() + 0.5) * height / shown.height()) + 1;
        expected = picture.cells(cx, cy) != kOff ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
      }
      if (image.pixel(x, y) != expected)
        QFAIL(qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
    }
}

QTEST_GUILESS_MAIN(ThumbnailTest)
#include "tst_thumbnail.moc"
