#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "fakes/animations.h"
#include "fakes/pictures.h"
#include "files/c_array/c_array_format.h"
#include "windows/dialogs/c_array_export_dialog.h"
#include "windows/dialogs/c_array_import_dialog.h"
#include "windows/dialogs/sketch_export_dialog.h"

using namespace tochkograf;

namespace {

template <typename T>
T* Control(const QWidget& dialog, const char* name) {
  T* control = dialog.findChild<T*>(QLatin1String(name));
  if (!control) qFatal("no control %s", name);
  return control;
}

// Whether the view holds lines of what the options write one after another,
// from the definitions to the array's declaration and its first bytes.
bool ShowsDeclaration(const QString& shown, const Animation& frames, const CArrayOptions& options) {
  QStringList lines = shown.split(u'\n');
  if (lines.last() == QStringLiteral("    …")) lines.removeLast();
  const QString written = QString::fromUtf8(EncodeCArrayAnimation(frames, options));
  const QString declaration = QStringLiteral("static const uint8_t %1[]").arg(options.name);
  const qsizetype at =
      lines.indexOf(QRegularExpression(QRegularExpression::escape(declaration) + ".*"));
  return lines.first().startsWith(QStringLiteral("#define ")) && at > 0 &&
         lines.mid(at + 1).join(u' ').contains(QStringLiteral("0x")) &&
         written.contains(lines.join(u'\n'));
}

}  // namespace

class CArrayDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void exportViewFollowsTheChoices();
  void sketchDialogGivesItsChoices();
  void importRefusesTooFewBytes();
  void importPicksTheLayoutClicked_data();
  void importPicksTheLayoutClicked();
  void importOffersTheSizesThatFit();
};

void CArrayDialogsTest::exportViewFollowsTheChoices() {
  const Animation picture = Animation::Of(RandomPicture(128, 64, 2));
  CArrayOptions options{ByteLayout::RowsMsbLeft, SetBit::Ink, QStringLiteral("logo"), false};
  CArrayExportDialog dialog(picture, options);
  dialog.show();
  QVERIFY(ShowsDeclaration(dialog.ShownCode(), picture, options));
  // With PROGMEM and frames, the view still reaches the bytes, which follow the layout.
  const Animation frames = RandomAnimation(16, 8, 3);
  options.progmem = true;
  CArrayExportDialog animated(frames, options);
  animated.show();
  const QString rows = animated.ShownCode();
  QVERIFY2(ShowsDeclaration(rows, frames, options), qPrintable(rows));
  QTest::mouseClick(Control<QRadioButton>(animated, "pages-lsb"), Qt::LeftButton, {}, QPoint(5, 5));
  options.layout = ByteLayout::PagesLsbTop;
  QVERIFY(ShowsDeclaration(animated.ShownCode(), frames, options));
  QVERIFY(animated.ShownCode() != rows);

  QTest::mouseClick(Control<QRadioButton>(dialog, "pages-lsb"), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(Control<QRadioButton>(dialog, "paper"), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(Control<QWidget>(dialog, "progmem"), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(Control<QRadioButton>(dialog, "compress-rle"), Qt::LeftButton, {},
                    QPoint(5, 5));
  auto* name = Control<QLineEdit>(dialog, "name");
  name->selectAll();
  QTest::keyClicks(name, QStringLiteral("9 x-2"));  // only what a C name may hold
  options = {ByteLayout::PagesLsbTop, SetBit::Paper, QStringLiteral("x2"), true, Compression::Rle};
  QCOMPARE(dialog.Options(), options);
  QVERIFY(ShowsDeclaration(dialog.ShownCode(), picture, options));
  const CArraySizes sizes = SizesOf(picture, options.layout, options.set_bit);
  QVERIFY(Control<QLabel>(dialog, "sizes")->text().contains(QString::number(sizes.packed)));
  auto* ok = Control<QPushButton>(dialog, "ok");
  QVERIFY(ok->isEnabled());
  QCOMPARE(dialog.WhyNot(), QString());
  name->clear();
  QVERIFY(!ok->isEnabled());
  QVERIFY(!dialog.WhyNot().isEmpty());
  QTest::keyClicks(name, QStringLiteral("int"));  // a keyword names no array
  QVERIFY(!ok->isEnabled());
  // Nor a name of the library a sketch includes, and the dialog says why.
  name->clear();
  QTest::keyClicks(name, QStringLiteral("NULL"));
  QVERIFY(!ok->isEnabled());
  QVERIFY2(dialog.WhyNot().contains(QStringLiteral("«NULL»")), qPrintable(dialog.WhyNot()));
}

void CArrayDialogsTest::sketchDialogGivesItsChoices() {
  const Animation frames = RandomAnimation(16, 8, 3);
  SketchExportDialog dialog(frames, {0x3C, 32, Compression::Rle, {}});
  dialog.show();
  QCOMPARE(dialog.Options(), (SketchOptions{0x3C, 32, Compression::Rle, {}}));
  for (const char* button : {"address-3d", "height-64", "compress-none"})
    QTest::mouseClick(Control<QRadioButton>(dialog, button), Qt::LeftButton, {}, QPoint(5, 5));
  QCOMPARE(dialog.Options(), (SketchOptions{0x3D, 64, Compression::None, {}}));
  const CArraySizes sizes = SizesOf(frames, ByteLayout::PagesLsbTop, SetBit::Ink);
  QVERIFY(Control<QLabel>(dialog, "sizes")->text().contains(QString::number(sizes.packed)));
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

void CArrayDialogsTest::importPicksTheLayoutClicked_data() {
  QTest::addColumn<int>("layout");
  for (const LayoutName& name : LayoutNames())
    QTest::newRow(qPrintable(name.option)) << int(name.layout);
}

// The dialog starts in another layout; a click on the small picture of the
// one the bytes were written in reads them back as they were.
void CArrayDialogsTest::importPicksTheLayoutClicked() {
  QFETCH(int, layout);
  const Picture picture = RandomPicture(24, 16, quint32(layout));
  CArrayScan scan;
  scan.bytes = PackDisplayBytes(picture, ByteLayout(layout), SetBit::Ink);
  scan.count = scan.bytes.size();
  scan.size = QSize(24, 16);
  const auto other = ByteLayout((layout + 1) % 4);
  CArrayImportDialog dialog(scan, {QSize(24, 16), other, SetBit::Ink}, true);
  dialog.show();
  const QString option = NameOf(ByteLayout(layout)).option;
  auto* clicked = Control<QToolButton>(dialog, qPrintable(QStringLiteral("preview-") + option));
  QVERIFY(!clicked->isChecked());
  QTest::mouseClick(clicked, Qt::LeftButton);
  QVERIFY(clicked->isChecked());
  QVERIFY(
      !Control<QToolButton>(dialog, qPrintable("preview-" + NameOf(other).option))->isChecked());
  QVERIFY(Control<QRadioButton>(dialog, qPrintable(option))->isChecked());
  QCOMPARE(dialog.Reading(), (CArrayReading{QSize(24, 16), ByteLayout(layout), SetBit::Ink}));
  const DocumentState& shown = dialog.Preview();
  for (int y = 1; y <= 16; ++y)
    for (int x = 1; x <= 24; ++x) QCOMPARE(shown.Pixels(x, y), picture.cells(x, y));
}

// 512 bytes in rows of whole bytes with no size given: each size offered
// takes them all, and the one picked is read.
void CArrayDialogsTest::importOffersTheSizesThatFit() {
  CArrayScan scan;
  scan.bytes = QByteArray(512, '\x0f');
  scan.count = 512;
  CArrayImportDialog dialog(scan, {QSize(128, 32), ByteLayout::RowsMsbLeft, SetBit::Ink}, true);
  dialog.show();
  auto* sizes = Control<QComboBox>(dialog, "fittingSizes");
  QVERIFY(sizes->count() >= 2);
  QCOMPARE(sizes->currentData().toSize(), QSize(128, 32));
  for (int i = 0; i < sizes->count(); ++i) {
    const QSize size = sizes->itemData(i).toSize();
    QCOMPARE((size.width() + 7) / 8 * size.height(), 512);
  }
  const int other = sizes->currentIndex() == 0 ? 1 : 0;
  sizes->setCurrentIndex(other);
  emit sizes->activated(other);
  QCOMPARE(dialog.Reading().size, sizes->itemData(other).toSize());
  QCOMPARE(QSize(dialog.Preview().MX, dialog.Preview().MY), sizes->itemData(other).toSize());
}

QTEST_MAIN(CArrayDialogsTest)
#include "tst_c_array_dialogs.moc"
