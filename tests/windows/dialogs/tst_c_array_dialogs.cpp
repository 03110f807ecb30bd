#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "fakes/animations.h"
#include "fakes/pictures.h"
#include "files/c_array/c_array_format.h"
#include "windows/dialogs/c_array_export_dialog.h"
#include "windows/dialogs/c_array_import_dialog.h"

using namespace tochkograf;

namespace {

template <typename T>
T* Control(const QWidget& dialog, const char* name) {
  T* control = dialog.findChild<T*>(QLatin1String(name));
  if (!control) qFatal("no control %s", name);
  return control;
}

// Whether the view holds the first lines of what the options write.
bool ShowsStartOf(const QString& shown, const Animation& frames, const CArrayOptions& options) {
  const QStringList lines = shown.split(u'\n');
  const QStringList written =
      QString::fromUtf8(EncodeCArrayAnimation(frames, options)).split(u'\n');
  return lines.size() > 10 && written.mid(0, lines.size() - 1) == lines.mid(0, lines.size() - 1);
}

}  // namespace

class CArrayDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void exportViewFollowsTheChoices();
  void importRefusesTooFewBytes();
};

void CArrayDialogsTest::exportViewFollowsTheChoices() {
  const Animation picture = Animation::Of(RandomPicture(128, 64, 2));
  CArrayOptions options{ByteLayout::RowsMsbLeft, SetBit::Ink, QStringLiteral("logo"), false};
  CArrayExportDialog dialog(picture, options);
  dialog.show();
  QVERIFY(ShowsStartOf(dialog.ShownCode(), picture, options));
  const Animation frames = RandomAnimation(16, 8, 3);
  QVERIFY(ShowsStartOf(CArrayExportDialog(frames, options).ShownCode(), frames, options));
  QTest::mouseClick(Control<QRadioButton>(dialog, "pages-lsb"), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(Control<QRadioButton>(dialog, "paper"), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(Control<QWidget>(dialog, "progmem"), Qt::LeftButton, {}, QPoint(5, 5));
  auto* name = Control<QLineEdit>(dialog, "name");
  name->selectAll();
  QTest::keyClicks(name, QStringLiteral("9 x-2"));  // only what a C name may hold
  options = {ByteLayout::PagesLsbTop, SetBit::Paper, QStringLiteral("x2"), true};
  QCOMPARE(dialog.Options(), options);
  QVERIFY(ShowsStartOf(dialog.ShownCode(), picture, options));
  auto* ok = Control<QPushButton>(dialog, "ok");
  QVERIFY(ok->isEnabled());
  name->clear();
  QVERIFY(!ok->isEnabled());
  QTest::keyClicks(name, QStringLiteral("int"));  // a keyword names no array
  QVERIFY(!ok->isEnabled());
}

// 10 bytes of a 16 x 8 picture in rows: 5 rows are there, 3 missing.
void CArrayDialogsTest::importRefusesTooFewBytes() {
  CArrayScan scan;
  scan.bytes = QByteArray::fromHex("ff0181422418183c0f0f");
  scan.count = scan.bytes.size();
  scan.line = 3;
  CArrayImportDialog dialog(scan, {QSize(16, 8), ByteLayout::RowsMsbLeft, SetBit::Ink}, true);
  dialog.show();
  auto* ok = Control<QPushButton>(dialog, "ok");
  QVERIFY(!ok->isEnabled());
  QVERIFY(Control<QLabel>(dialog, "fill")->text().contains(QStringLiteral("Не хватает байтов: 6")));
  const DocumentState& preview = dialog.Preview();
  QCOMPARE(QSize(preview.MX, preview.MY), QSize(16, 8));
  QCOMPARE(preview.Pixels(1, 1), kOn);   // 0xff
  QCOMPARE(preview.Pixels(9, 1), kOff);  // 0x01: only its last bit
  QCOMPARE(preview.Pixels(16, 1), kOn);
  QCOMPARE(preview.Pixels(13, 5), kOn);  // 0x0f
  QCOMPARE(preview.Pixels(12, 5), kOff);
  QCOMPARE(preview.Pixels(1, 6), kOff);  // missing: paper
  Control<QSpinBox>(dialog, "height")->setValue(5);
  QVERIFY(ok->isEnabled());
  QCOMPARE(dialog.Reading(), (CArrayReading{QSize(16, 5), ByteLayout::RowsMsbLeft, SetBit::Ink}));
}

QTEST_MAIN(CArrayDialogsTest)
#include "tst_c_array_dialogs.moc"
