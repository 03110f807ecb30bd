#include <QtTest>

#include "windows/dialogs/picture_preview.h"
#include "windows/main/pole.h"

using namespace tochkograf;

// The preview shows a picture in square cells of whole screen pixels, as
// large as its room (the largest picture at the scale) holds, centred.
class PicturePreviewTest : public QObject {
  Q_OBJECT

 private slots:
  void cellsAsLargeAsTheRoomHolds_data();
  void cellsAsLargeAsTheRoomHolds();
};

void PicturePreviewTest::cellsAsLargeAsTheRoomHolds_data() {
  QTest::addColumn<int>("scale");
  QTest::addColumn<QSize>("picture");
  QTest::addColumn<bool>("scaleFirst");
  QTest::addColumn<int>("cell");  // worked out by hand from 128 x 96 times the scale
  QTest::newRow("largest at 4") << 4 << QSize(128, 96) << false << 4;
  QTest::newRow("largest at 3") << 3 << QSize(128, 96) << true << 3;
  QTest::newRow("largest at 1") << 1 << QSize(128, 96) << false << 1;
  QTest::newRow("small at 4, the height holds more") << 4 << QSize(16, 8) << true << 32;
  QTest::newRow("wide at 2, the width decides") << 2 << QSize(100, 10) << false << 2;
  QTest::newRow("display at 3") << 3 << QSize(72, 20) << true << 5;
  QTest::newRow("one column at 1") << 1 << QSize(1, 96) << false << 1;
  QTest::newRow("one cell at 1") << 1 << QSize(1, 1) << true << 96;
}

void PicturePreviewTest::cellsAsLargeAsTheRoomHolds() {
  QFETCH(int, scale);
  QFETCH(QSize, picture);
  QFETCH(bool, scaleFirst);
  QFETCH(int, cell);
  Picture shown{picture.width(), picture.height(), {}};
  shown.cells(1, 1) = kOn;
  PicturePreview preview(false, nullptr);
  if (scaleFirst) preview.SetScale(scale);
  preview.ShowPicture(shown);
  if (!scaleFirst) preview.SetScale(scale);

  const Pole* pole = preview.findChild<Pole*>();
  QVERIFY(pole);
  const QSize frame = pole->size() - pole->contentsRect().size();
  QCOMPARE(preview.size(), scale * QSize(128, 96) + frame);
  QCOMPARE(pole->contentsRect().size(), cell * picture);
  const QPoint gap = pole->geometry().topLeft() * 2 + QPoint(pole->width(), pole->height());
  QVERIFY(qAbs(gap.x() - preview.width()) <= 1 && qAbs(gap.y() - preview.height()) <= 1);
  QCOMPARE(QSize(preview.Shown().MX, preview.Shown().MY), picture);

  // The inked first cell shows otherwise than the paper of the last.
  if (picture == QSize(1, 1)) return;
  const QImage image = preview.grab().toImage();
  const QPoint first = pole->mapTo(&preview, pole->contentsRect().topLeft()) +
                       QPoint((cell - 1) / 2, (cell - 1) / 2);
  const QPoint last = first + QPoint(picture.width() - 1, picture.height() - 1) * cell;
  QVERIFY(image.pixel(first) != image.pixel(last));
}

QTEST_MAIN(PicturePreviewTest)
#include "tst_picture_preview.moc"
