#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include "fakes/modal.h"
#include "images/image_conversion.h"
#include "windows/adapters/qt_side_windows.h"
#include "windows/dialogs/conversion_dialog.h"
#include "windows/main/pole.h"

using namespace tochkograf;

Q_DECLARE_METATYPE(ConversionSettings)

namespace {

// Greys from dark on the left to light on the right, darker still in a band
// across the middle.
ImportedImage GreyImage() {
  QImage greys(300, 200, QImage::Format_Grayscale8);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x)
      greys.scanLine(y)[x] = uchar(x * 255 / 299 / (y / 50 == 2 ? 2 : 1));
  return {greys.size(), greys, std::nullopt};
}

const QSize kCurrent(24, 26);

ConversionSettings Defaults(const ImportedImage& image) {
  ImageConversion conversion(image);
  return DefaultSettings(conversion, kCurrent);
}

template <typename T>
T* Control(QWidget& dialog, const char* name) {
  T* control = dialog.findChild<T*>(QLatin1String(name));
  if (!control) qFatal("no control %s", name);
  return control;
}

// The preview is the picture the same settings convert to.
bool PreviewShows(const ConversionDialog& dialog, const ImportedImage& image,
                  const ConversionSettings& settings) {
  ImageConversion conversion(image);
  const Picture expected = conversion.Result(settings);
  const DocumentState& shown = dialog.Preview();
  return Picture{shown.MX, shown.MY, shown.Pixels} == expected;
}

}  // namespace

class ConversionDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void opensAtTheSettingsGiven_data();
  void opensAtTheSettingsGiven();
  void previewFollowsTheSliderWhileItMoves();
  void eachControlChangesThePreview_data();
  void eachControlChangesThePreview();
  void thresholdFollowsTheSizeUntilMoved_data();
  void thresholdFollowsTheSizeUntilMoved();
  void okGivesTheSettingsBackAndCancelNothing_data();
  void okGivesTheSettingsBackAndCancelNothing();
  void sizesInTextsNeverBreak();
  void displaySizeAndFraming();

 private:
  const ImportedImage image_ = GreyImage();
};

void ConversionDialogTest::opensAtTheSettingsGiven_data() {
  QTest::addColumn<ConversionSettings>("settings");
  QTest::addColumn<bool>("grid");
  QTest::newRow("defaults") << Defaults(image_) << true;
  ConversionSettings other = Defaults(image_);
  other.size = SizeChoice::Typed;
  other.typed = QSize(50, 20);
  other.threshold = 90;
  other.dithering = Dithering::Bayer;
  other.invert = true;
  QTest::newRow("others, no grid") << other << false;
  other.size = SizeChoice::Current;
  other.dithering = Dithering::FloydSteinberg;
  QTest::newRow("current size") << other << true;
}

void ConversionDialogTest::opensAtTheSettingsGiven() {
  QFETCH(ConversionSettings, settings);
  QFETCH(bool, grid);
  ConversionDialog dialog(image_, settings, grid);
  dialog.show();
  QCOMPARE(dialog.Settings(), settings);
  QCOMPARE(Control<QSlider>(dialog, "threshold")->value(), settings.threshold);
  QCOMPARE(Control<QSpinBox>(dialog, "thresholdValue")->value(), settings.threshold);
  QVERIFY(PreviewShows(dialog, image_, settings));
  QCOMPARE(dialog.Preview().GridOn != kOff, grid);
  // Drawn as the main window draws, with square cells of whole pixels.
  const Pole* pole = dialog.findChild<Pole*>();
  QVERIFY(pole);
  const QRect inner = pole->contentsRect();
  const int cell = inner.width() / dialog.Preview().MX;
  QVERIFY(cell >= 1);
  QCOMPARE(inner.size(), QSize(cell * dialog.Preview().MX, cell * dialog.Preview().MY));
}

void ConversionDialogTest::previewFollowsTheSliderWhileItMoves() {
  const ConversionSettings start = Defaults(image_);
  ConversionDialog dialog(image_, start, true);
  dialog.show();
  QSignalSpy redrawn(&dialog, &ConversionDialog::PreviewRedrawn);
  auto* slider = Control<QSlider>(dialog, "threshold");
  slider->setSliderDown(true);
  for (int value : {start.threshold + 40, start.threshold - 30}) {
    slider->setSliderPosition(value);
    ConversionSettings expected = start;
    expected.threshold = value;
    QCOMPARE(dialog.Settings(), expected);
    QVERIFY(PreviewShows(dialog, image_, expected));
    QCOMPARE(Control<QSpinBox>(dialog, "thresholdValue")->value(), value);
  }
  QCOMPARE(redrawn.size(), 2);
  slider->setSliderDown(false);
  QCOMPARE(redrawn.size(), 2);
}

void ConversionDialogTest::eachControlChangesThePreview_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<int>("value");  // for a spin box
  QTest::addColumn<ConversionSettings>("expected");
  const ConversionSettings start = Defaults(image_);
  const auto row = [&](const char* name, const char* control, int value, auto change) {
    ConversionSettings expected = start;
    change(expected);
    // A size of its own brings the threshold of its own greys.
    const QSize size = TargetSize(expected, image_.size);
    if (size != TargetSize(start, image_.size)) {
      ImageConversion conversion(image_);
      expected.threshold = conversion.OtsuThresholdFor(expected);
    }
    QTest::newRow(name) << QString::fromLatin1(control) << value << expected;
  };
  row("current size", "current", 0, [](ConversionSettings& s) { s.size = SizeChoice::Current; });
  row("typed width", "typedWidth", 40, [](ConversionSettings& s) {
    s.size = SizeChoice::Typed;
    s.typed.setWidth(40);
  });
  row("typed height", "typedHeight", 7, [](ConversionSettings& s) {
    s.size = SizeChoice::Typed;
    s.typed.setHeight(7);
  });
  row("display", "display", 0, [](ConversionSettings& s) { s.size = SizeChoice::Display; });
  row("threshold typed", "thresholdValue", 200, [](ConversionSettings& s) { s.threshold = 200; });
  row("Floyd-Steinberg", "floydSteinberg", 0,
      [](ConversionSettings& s) { s.dithering = Dithering::FloydSteinberg; });
  row("ordered", "bayer", 0, [](ConversionSettings& s) { s.dithering = Dithering::Bayer; });
  row("invert", "invert", 0, [](ConversionSettings& s) { s.invert = true; });
}

void ConversionDialogTest::eachControlChangesThePreview() {
  QFETCH(QString, control);
  QFETCH(int, value);
  QFETCH(ConversionSettings, expected);
  ConversionDialog dialog(image_, Defaults(image_), true);
  dialog.show();
  QSignalSpy redrawn(&dialog, &ConversionDialog::PreviewRedrawn);
  QWidget* target = dialog.findChild<QWidget*>(control);
  QVERIFY(target);
  if (auto* spin = qobject_cast<QSpinBox*>(target))
    spin->setValue(value);
  else
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, target->height() / 2));
  QCOMPARE(dialog.Settings(), expected);
  QCOMPARE(redrawn.size(), 1);
  QVERIFY(PreviewShows(dialog, image_, expected));
  QCOMPARE(QSize(dialog.Preview().MX, dialog.Preview().MY), TargetSize(expected, image_.size));
}

void ConversionDialogTest::thresholdFollowsTheSizeUntilMoved_data() {
  QTest::addColumn<QString>("moved");  // the threshold's control the user moves first, if any
  QTest::newRow("not moved") << QString();
  QTest::newRow("slider moved") << "threshold";
  QTest::newRow("number stepped") << "thresholdValue";
}

// Each change of size, by the choices and by a typed side.
void ConversionDialogTest::thresholdFollowsTheSizeUntilMoved() {
  QFETCH(QString, moved);
  const ConversionSettings start = Defaults(image_);
  ConversionDialog dialog(image_, start, true);
  dialog.show();
  if (!moved.isEmpty()) QTest::keyClick(dialog.findChild<QWidget*>(moved), Qt::Key_PageUp);
  const int chosen = dialog.Settings().threshold;
  QCOMPARE(chosen != start.threshold, !moved.isEmpty());
  const auto otsu = [this](const ConversionSettings& settings) {
    ImageConversion conversion(image_);
    return conversion.OtsuThresholdFor(settings);
  };
  QList<int> thresholds;
  for (const char* change : {"current", "typedWidth", "fit"}) {
    if (auto* side = dialog.findChild<QSpinBox*>(change))
      side->setValue(side->value() / 3);
    else
      QTest::mouseClick(Control<QRadioButton>(dialog, change), Qt::LeftButton);
    const ConversionSettings now = dialog.Settings();
    QCOMPARE(now.threshold, moved.isEmpty() ? otsu(now) : chosen);
    QCOMPARE(Control<QSpinBox>(dialog, "thresholdValue")->value(), now.threshold);
    QVERIFY(PreviewShows(dialog, image_, now));
    thresholds << otsu(now);
  }
  // The sizes' own thresholds differ, or this would show nothing.
  QVERIFY(thresholds[0] != start.threshold && thresholds[1] != start.threshold);
}

void ConversionDialogTest::okGivesTheSettingsBackAndCancelNothing_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("accepted");
  QTest::newRow("OK") << "ok" << true;
  QTest::newRow("Enter") << "enter" << true;
  QTest::newRow("Отмена") << "cancel" << false;
  QTest::newRow("Escape") << "escape" << false;
  QTest::newRow("close box") << "close" << false;
}

void ConversionDialogTest::okGivesTheSettingsBackAndCancelNothing() {
  QFETCH(QString, how);
  QFETCH(bool, accepted);
  // In the middle of the screen, where the dialog has room to be centred.
  QWidget owner;
  QRect middle(0, 0, 300, 200);
  middle.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
  owner.setGeometry(middle);
  owner.show();
  QVERIFY(QTest::qWaitForWindowExposed(&owner));
  QtSideWindows windows(&owner);
  const ConversionSettings start = Defaults(image_);
  ConversionSettings settings = start;
  QRect placed;
  OnNextModal([&](QWidget* modal) {
    placed = modal->geometry();
    QVERIFY(modal->isModal());
    QTest::mouseClick(Control<QRadioButton>(*modal, "bayer"), Qt::LeftButton);
    if (how == QLatin1String("enter"))
      QTest::keyClick(modal, Qt::Key_Return);
    else if (how == QLatin1String("escape"))
      QTest::keyClick(modal, Qt::Key_Escape);
    else if (how == QLatin1String("close"))
      modal->close();
    else
      QTest::mouseClick(Control<QPushButton>(*modal, qPrintable(how)), Qt::LeftButton);
  });
  QCOMPARE(windows.ShowConversionDialog(image_, true, settings), accepted);
  QCOMPARE(placed.center(), owner.geometry().center());
  ConversionSettings expected = start;
  if (accepted) expected.dithering = Dithering::Bayer;
  QCOMPARE(settings, expected);
  QVERIFY(owner.findChildren<ConversionDialog*>().isEmpty());
}

// Every "W x H" holds non-breaking spaces: a line never ends inside one.
void ConversionDialogTest::sizesInTextsNeverBreak() {
  ConversionDialog dialog(image_, Defaults(image_), true);
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
    texts << button->text();
  for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) texts << group->title();
  const QString all = texts.join(QLatin1Char('\n'));
  QVERIFY2(!all.contains(QRegularExpression(QStringLiteral("\\d x|x \\d"))), qPrintable(all));
  // The sizes of the fit, the editor's picture, the image and the result.
  QVERIFY(all.contains(QStringLiteral("128\u00A0x\u00A096")));
  QVERIFY(all.contains(QStringLiteral("24\u00A0x\u00A026")));
  QVERIFY(all.contains(QStringLiteral("300\u00A0x\u00A0200")));
}

// Choosing a display's size chooses the display; "Вписать" and
// "Заполнить" wait for a size other than the fitted one.
void ConversionDialogTest::displaySizeAndFraming() {
  ConversionDialog dialog(image_, Defaults(image_), true);
  dialog.show();
  auto* cover = Control<QRadioButton>(dialog, "cover");
  QVERIFY(!cover->isEnabled());
  Control<QComboBox>(dialog, "displaySize")->setCurrentIndex(2);
  QVERIFY(cover->isEnabled());
  QTest::mouseClick(cover, Qt::LeftButton, {}, QPoint(5, cover->height() / 2));
  const ConversionSettings settings = dialog.Settings();
  QCOMPARE(settings.size, SizeChoice::Display);
  QCOMPARE(settings.display, QSize(96, 64));
  QCOMPARE(settings.framing, Framing::Cover);
  QCOMPARE(QSize(dialog.Preview().MX, dialog.Preview().MY), QSize(96, 64));
  QVERIFY(PreviewShows(dialog, image_, settings));
}

QTEST_MAIN(ConversionDialogTest)
#include "tst_conversion_dialog.moc"
