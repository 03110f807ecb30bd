#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "fakes/modal.h"
#include "windows/adapters/qt_side_windows.h"
#include "windows/dialogs/form2.h"

using namespace tochkograf;

namespace {

template <typename T>
T* Control(QWidget& dialog, const QString& name) {
  return dialog.findChild<T*>(name);
}

QScrollBar* Bar(QWidget& d, const char* name) {
  return Control<QScrollBar>(d, QLatin1String(name));
}
QPushButton* Button(QWidget& d, const QString& name) { return Control<QPushButton>(d, name); }
QPushButton* Preset(QWidget& d, int index) {
  return Button(d, QStringLiteral("Command3_%1").arg(index));
}
QString SizeText(QWidget& d) { return Control<QLabel>(d, QStringLiteral("Label1"))->text(); }

// How much taller than its box the note is, where the dialog's face is wider
// than the one the dialog was drawn for: all from the note's foot down lies
// that much lower.
int NoteOverflow(QWidget& d) { return Control<QLabel>(d, QStringLiteral("Label2"))->height() - 89; }

void SetSize(QWidget& d, int width, int height) {
  Bar(d, "HScroll1")->setValue(width);
  Bar(d, "VScroll1")->setValue(height);
}

// How the dialog is painted: into a window's own 32-bit pixels, or into a
// surface of another format, which takes the lattice through QPainter.
enum class Surface { kWindow, kOtherFormat };

// In the dialog's own units: on a screen of higher density each unit is a
// block of pixels of one colour, and one of them stands for it.
QImage Painted(QWidget& d, Surface surface) {
  if (surface == Surface::kWindow)
    return d.grab().toImage().scaled(d.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  QImage image(d.size(), QImage::Format_RGB888);
  d.render(&image);
  return image.convertToFormat(QImage::Format_RGB32);
}

// Every ink pixel of the preview area, where nothing but the lattice lies.
QList<QPoint> InkInPreviewArea(QWidget& d, Surface surface = Surface::kWindow) {
  const QImage image = Painted(d, surface);
  const QRgb ink = d.palette().color(QPalette::WindowText).rgb();
  QList<QPoint> found;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 296; ++x)
      if (image.pixel(x, y) == ink) found.append(QPoint(x, y));
  return found;
}

}  // namespace

class Form2Test : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void opensAt32By32WhateverThePicture();
  void windowIsFixedWithCloseBoxOnly();
  void controlsSitInTheirPlaces_data();
  void controlsSitInTheirPlaces();
  void tabOrderStartsAtOk();
  void barsCoverTheirRanges_data();
  void barsCoverTheirRanges();
  void presetsSetWidthThenHeight_data();
  void presetsSetWidthThenHeight();
  void barStepsAndThumbDragsRedraw();
  void barKeysGoTheWayTheyPoint_data();
  void barKeysGoTheWayTheyPoint();
  void previewLattice_data();
  void previewLattice();
  void okClosesWithTheChosenSize();
  void cancelAndCloseBoxChangeNothing_data();
  void cancelAndCloseBoxChangeNothing();
  void enterAndEscapeDoNothing_data();
  void enterAndEscapeDoNothing();
  void opensModallyCentredOverOwner();
  void sizeTextNeedsNoFontOfItsOwn();
  void partialRepaintSetsOnlyItsDots();
  void latticeStaysDotsAtAFractionalScale();

 private:
  Form2* dialog_ = nullptr;
};

void Form2Test::init() { dialog_ = new Form2; }

void Form2Test::cleanup() {
  delete dialog_;
  dialog_ = nullptr;
}

void Form2Test::opensAt32By32WhateverThePicture() {
  QCOMPARE(SizeText(*dialog_), QStringLiteral("000"));  // until it is first shown
  dialog_->show();
  QCOMPARE(Bar(*dialog_, "HScroll1")->value(), 32);
  QCOMPARE(Bar(*dialog_, "VScroll1")->value(), 32);
  QCOMPARE(SizeText(*dialog_), QStringLiteral(" 32 x 32"));
  QCOMPARE(InkInPreviewArea(*dialog_).size(), 32 * 32);
}

void Form2Test::windowIsFixedWithCloseBoxOnly() {
  QCOMPARE(dialog_->windowTitle(), QStringLiteral("Выберите размер изображения"));
  const QSize size(543, 264 + NoteOverflow(*dialog_));
  QCOMPARE(dialog_->size(), size);
  QCOMPARE(dialog_->minimumSize(), size);
  QCOMPARE(dialog_->maximumSize(), size);
  const Qt::WindowFlags flags = dialog_->windowFlags();
  QVERIFY(flags & Qt::WindowCloseButtonHint);
  QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
  QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
}

void Form2Test::controlsSitInTheirPlaces_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("place");
  QTest::addColumn<QString>("text");
  QTest::newRow("OK") << "Command1" << QRect(328, 232, 97, 25) << "OK";
  QTest::newRow("cancel") << "Command2" << QRect(440, 232, 97, 25) << "Отмена";
  QTest::newRow("16 x 16") << "Command3_0" << QRect(328, 104, 97, 25) << "16 x 16";
  QTest::newRow("32 x 32") << "Command3_1" << QRect(328, 136, 97, 25) << "32 x 32";
  QTest::newRow("24 x 26") << "Command3_2" << QRect(432, 104, 97, 25) << "24 x 26";
  QTest::newRow("72 x 14") << "Command3_3" << QRect(432, 136, 97, 25) << "72 x 14";
  QTest::newRow("size text") << "Label1" << QRect(328, 176, 209, 41) << "000";
  QTest::newRow("note")
      << "Label2" << QRect(328, 8, 201, 89)
      << "Внимание! В этой программе можно выбрать любой, не стандартный размер изображения. "
         "Но не все телефоны могут их отображать и посылать в сообщениях. Вы можете "
         "использовать кнопки для выбора наиболее часто встречаемых размеров:";
  QTest::newRow("width bar") << "HScroll1" << QRect(8, 240, 281, 17) << "";
  QTest::newRow("height bar") << "VScroll1" << QRect(296, 8, 17, 225) << "";
}

void Form2Test::controlsSitInTheirPlaces() {
  QFETCH(QString, name);
  QFETCH(QRect, place);
  QFETCH(QString, text);
  QWidget* control = dialog_->findChild<QWidget*>(name);
  QVERIFY(control);
  const int lower = NoteOverflow(*dialog_), note_foot = 96;
  QVERIFY(lower >= 0);
  if (place.top() > note_foot)
    place.translate(0, lower);
  else if (place.bottom() >= note_foot)
    place.setBottom(place.bottom() + lower);
  QCOMPARE(control->geometry(), place);
  if (auto* button = qobject_cast<QPushButton*>(control)) {
    QCOMPARE(button->text(), text);
    QVERIFY(!button->isDefault());
    QVERIFY(!button->autoDefault());
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    QCOMPARE(label->text(), text);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
  }
}

void Form2Test::tabOrderStartsAtOk() {
  dialog_->show();
  QVERIFY(QTest::qWaitForWindowActive(dialog_));
  QCOMPARE(QApplication::focusWidget(), Button(*dialog_, QStringLiteral("Command1")));
  QWidget* const expected[] = {Button(*dialog_, QStringLiteral("Command2")),
                               Preset(*dialog_, 0),
                               Bar(*dialog_, "HScroll1"),
                               Bar(*dialog_, "VScroll1"),
                               Preset(*dialog_, 1),
                               Preset(*dialog_, 2),
                               Preset(*dialog_, 3),
                               Button(*dialog_, QStringLiteral("Command1"))};
  for (QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), next);
  }
}

void Form2Test::barsCoverTheirRanges_data() {
  QTest::addColumn<QString>("bar");
  QTest::addColumn<int>("lowest");
  QTest::addColumn<int>("highest");
  QTest::newRow("width") << "HScroll1" << 16 << 128;
  QTest::newRow("height, never 0") << "VScroll1" << 1 << 96;
}

void Form2Test::barsCoverTheirRanges() {
  QFETCH(QString, bar);
  QFETCH(int, lowest);
  QFETCH(int, highest);
  QScrollBar* b = Control<QScrollBar>(*dialog_, bar);
  QCOMPARE(b->singleStep(), 1);
  QCOMPARE(b->pageStep(), 8);
  b->setValue(0);
  QCOMPARE(b->value(), lowest);
  b->triggerAction(QAbstractSlider::SliderSingleStepSub);
  QCOMPARE(b->value(), lowest);
  b->setValue(1000);
  QCOMPARE(b->value(), highest);
  b->triggerAction(QAbstractSlider::SliderPageStepAdd);
  QCOMPARE(b->value(), highest);
}

void Form2Test::presetsSetWidthThenHeight_data() {
  QTest::addColumn<QSize>("before");
  QTest::addColumn<int>("preset");
  QTest::addColumn<QList<QSize>>("previews");  // the sizes each RedrawPreview showed
  QTest::newRow("16 x 16 from 32 x 32") << QSize(32, 32) << 0 << QList<QSize>{{16, 32}, {16, 16}};
  QTest::newRow("32 x 32 unchanged") << QSize(32, 32) << 1 << QList<QSize>{};
  QTest::newRow("24 x 26") << QSize(32, 32) << 2 << QList<QSize>{{24, 32}, {24, 26}};
  QTest::newRow("72 x 14, width already") << QSize(72, 50) << 3 << QList<QSize>{{72, 14}};
  QTest::newRow("16 x 16, height already") << QSize(128, 16) << 0 << QList<QSize>{{16, 16}};
}

void Form2Test::presetsSetWidthThenHeight() {
  QFETCH(QSize, before);
  QFETCH(int, preset);
  QFETCH(QList<QSize>, previews);
  dialog_->show();
  SetSize(*dialog_, before.width(), before.height());
  QSignalSpy spy(dialog_, &Form2::PreviewRedrawn);
  QTest::mouseClick(Preset(*dialog_, preset), Qt::LeftButton);
  QList<QSize> shown;
  for (const QList<QVariant>& args : spy) shown.append(QSize(args[0].toInt(), args[1].toInt()));
  QCOMPARE(shown, previews);
  const QSize after = previews.isEmpty() ? before : previews.last();
  QCOMPARE(SizeText(*dialog_), QStringLiteral(" %1 x %2").arg(after.width()).arg(after.height()));
  QVERIFY(dialog_->isVisible());  // a preset does not close the dialog
}

void Form2Test::barStepsAndThumbDragsRedraw() {
  dialog_->show();
  QScrollBar* width = Bar(*dialog_, "HScroll1");
  QScrollBar* height = Bar(*dialog_, "VScroll1");
  QSignalSpy spy(dialog_, &Form2::PreviewRedrawn);
  width->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  QCOMPARE(SizeText(*dialog_), QStringLiteral(" 33 x 32"));
  height->triggerAction(QAbstractSlider::SliderPageStepSub);
  QCOMPARE(SizeText(*dialog_), QStringLiteral(" 33 x 24"));
  QCOMPARE(spy.size(), 2);

  // The text and the lattice follow the thumb before it is let go.
  width->setSliderDown(true);
  width->triggerAction(QAbstractSlider::SliderMove);
  width->setSliderPosition(100);
  QCOMPARE(SizeText(*dialog_), QStringLiteral(" 100 x 24"));
  QCOMPARE(InkInPreviewArea(*dialog_).size(), 100 * 24);
  width->setSliderDown(false);
  QCOMPARE(spy.last().at(0).toInt(), 100);
}

// Left and Right lower and raise the width as the arrows on its ends do; the
// other keys keep the way they go.
void Form2Test::barKeysGoTheWayTheyPoint_data() {
  QTest::addColumn<QString>("bar");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("change");
  QTest::newRow("width, Left") << "HScroll1" << int(Qt::Key_Left) << -1;
  QTest::newRow("width, Right") << "HScroll1" << int(Qt::Key_Right) << 1;
  QTest::newRow("width, Up") << "HScroll1" << int(Qt::Key_Up) << -1;
  QTest::newRow("width, PageDown") << "HScroll1" << int(Qt::Key_PageDown) << 8;
  QTest::newRow("height, Down") << "VScroll1" << int(Qt::Key_Down) << 1;
}

void Form2Test::barKeysGoTheWayTheyPoint() {
  QFETCH(QString, bar);
  QFETCH(int, key);
  QFETCH(int, change);
  dialog_->show();
  QVERIFY(QTest::qWaitForWindowActive(dialog_));
  QScrollBar* b = Control<QScrollBar>(*dialog_, bar);
  b->setFocus();
  const int before = b->value();
  QTest::keyClick(b, Qt::Key(key));
  QCOMPARE(b->value(), before + change);
}

void Form2Test::previewLattice_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QPoint>("first");  // the top-left dot
  QTest::addColumn<QPoint>("last");   // the bottom-right dot
  QTest::newRow("16 x 16") << QSize(16, 16) << QPoint(136, 106) << QPoint(166, 136);
  QTest::newRow("128 x 96") << QSize(128, 96) << QPoint(24, 26) << QPoint(278, 216);
  QTest::newRow("72 x 14") << QSize(72, 14) << QPoint(80, 108) << QPoint(222, 134);
  QTest::newRow("17 x 1") << QSize(17, 1) << QPoint(135, 121) << QPoint(167, 121);
}

void Form2Test::previewLattice() {
  QFETCH(QSize, size);
  QFETCH(QPoint, first);
  QFETCH(QPoint, last);
  dialog_->show();
  for (Surface surface : {Surface::kWindow, Surface::kOtherFormat}) {
    SetSize(*dialog_, 128, 96);  // the largest lattice first: it must be cleared away
    QCOMPARE(InkInPreviewArea(*dialog_, surface).size(), 128 * 96);
    SetSize(*dialog_, size.width(), size.height());

    const QList<QPoint> ink = InkInPreviewArea(*dialog_, surface);
    QCOMPARE(ink.size(), size.width() * size.height());
    QCOMPARE(ink.first(), first);  // grab order is row by row
    QCOMPARE(ink.last(), last);
    for (const QPoint& dot : ink) {
      QVERIFY2((dot.x() - first.x()) % 2 == 0 && (dot.y() - first.y()) % 2 == 0,
               qPrintable(QStringLiteral("stray dot at (%1, %2)").arg(dot.x()).arg(dot.y())));
      QVERIFY(dot.x() <= last.x() && dot.y() <= last.y());
    }
    QCOMPARE(InkInPreviewArea(*dialog_, surface), ink);  // drawn again on every repaint
  }
}

// A repaint of part of the dialog sets the dots of that part and no others.
void Form2Test::partialRepaintSetsOnlyItsDots() {
  dialog_->show();
  SetSize(*dialog_, 101, 77);        // odd sizes: the lattice starts on odd pixels
  const QRect part(90, 61, 37, 40);  // starts between dots
  QImage image(dialog_->size(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  dialog_->render(&image, part.topLeft(), QRegion(part));
  const QRgb ink = dialog_->palette().color(QPalette::WindowText).rgb();
  int dots = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (!part.contains(x, y)) {
        QVERIFY2(pixel == QColor(Qt::magenta).rgb(),
                 qPrintable(QStringLiteral("(%1, %2) painted").arg(x).arg(y)));
      } else if (pixel == ink) {
        // Dots sit at columns 150 - W + 2i and rows 120 - H + 2j.
        QVERIFY2((x - (150 - 101)) % 2 == 0 && (y - (120 - 77)) % 2 == 0,
                 qPrintable(QStringLiteral("stray dot at (%1, %2)").arg(x).arg(y)));
        ++dots;
      }
    }
  // Columns 91, 93 .. 125 and rows 61, 63 .. 99 of the part.
  QCOMPARE(dots, 18 * 20);
}

// On a screen scaled by a fraction each dot covers one or two device pixels
// each way, and no row of the lattice comes out as a solid line.
void Form2Test::latticeStaysDotsAtAFractionalScale() {
  dialog_->show();
  const qreal ratio = 1.25;
  QImage image((QSizeF(dialog_->size()) * ratio).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  dialog_->render(&image);
  const QRgb ink = dialog_->palette().color(QPalette::WindowText).rgb();
  // The 32 x 32 lattice spans (120, 90) to (182, 152).
  const QRect lattice((QRectF(120, 90, 63, 63).topLeft() * ratio).toPoint(), QSize(78, 78));
  for (int y = lattice.top() - 2; y <= lattice.bottom() + 2; ++y) {
    int run = 0;
    for (int x = lattice.left() - 2; x <= lattice.right() + 2; ++x) {
      run = image.pixel(x, y) == ink ? run + 1 : 0;
      QVERIFY2(run <= 2, qPrintable(QStringLiteral("ink along row %1 at %2").arg(y).arg(x)));
    }
  }
}

void Form2Test::okClosesWithTheChosenSize() {
  dialog_->show();
  QTest::mouseClick(Preset(*dialog_, 2), Qt::LeftButton);
  QTest::mouseClick(Button(*dialog_, QStringLiteral("Command1")), Qt::LeftButton);
  QVERIFY(!dialog_->isVisible());
  QCOMPARE(dialog_->result(), int(QDialog::Accepted));
  QCOMPARE(dialog_->ChosenSize(), QSize(24, 26));
}

void Form2Test::cancelAndCloseBoxChangeNothing_data() {
  QTest::addColumn<bool>("close_box");
  QTest::newRow("Отмена") << false;
  QTest::newRow("close box") << true;
}

void Form2Test::cancelAndCloseBoxChangeNothing() {
  QFETCH(bool, close_box);
  dialog_->show();
  SetSize(*dialog_, 100, 50);
  if (close_box)
    dialog_->close();
  else
    QTest::mouseClick(Button(*dialog_, QStringLiteral("Command2")), Qt::LeftButton);
  QVERIFY(!dialog_->isVisible());
  QCOMPARE(dialog_->result(), int(QDialog::Rejected));
}

void Form2Test::enterAndEscapeDoNothing_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("focus");
  for (const char* focus : {"Command1", "Command2", "Command3_0", "HScroll1"}) {
    QTest::addRow("Return on %s", focus) << int(Qt::Key_Return) << focus;
    QTest::addRow("Enter on %s", focus) << int(Qt::Key_Enter) << focus;
    QTest::addRow("Escape on %s", focus) << int(Qt::Key_Escape) << focus;
  }
}

void Form2Test::enterAndEscapeDoNothing() {
  QFETCH(int, key);
  QFETCH(QString, focus);
  dialog_->show();
  QVERIFY(QTest::qWaitForWindowActive(dialog_));
  QWidget* target = dialog_->findChild<QWidget*>(focus);
  target->setFocus();
  QTest::keyClick(target, Qt::Key(key));
  QVERIFY(dialog_->isVisible());
  QCOMPARE(dialog_->result(), 0);
  QCOMPARE(SizeText(*dialog_), QStringLiteral(" 32 x 32"));
}

void Form2Test::opensModallyCentredOverOwner() {
  QWidget owner;
  owner.setGeometry(100, 80, 700, 600);
  owner.show();
  QVERIFY(QTest::qWaitForWindowExposed(&owner));
  QtSideWindows windows(&owner);

  QRect placed;
  OnNextModal([&](QWidget* modal) {
    placed = modal->geometry();
    QVERIFY(modal->isModal());
    QTest::mouseClick(Preset(*modal, 3), Qt::LeftButton);
    QTest::mouseClick(Button(*modal, QStringLiteral("Command1")), Qt::LeftButton);
  });
  QCOMPARE(windows.ShowSizeDialog().value_or(QSize()), QSize(72, 14));
  QCOMPARE(placed.center(), owner.geometry().center());

  OnNextModal([](QWidget* modal) {
    QTest::mouseClick(Button(*modal, QStringLiteral("Command2")), Qt::LeftButton);
  });
  QVERIFY(!windows.ShowSizeDialog());
  QVERIFY(owner.findChildren<Form2*>().isEmpty());  // made afresh each time
}

// The size text asks for the classic dialog face at 24 points; where that
// face is missing it must come out in the face every other text uses rather
// than load a font of its own.
void Form2Test::sizeTextNeedsNoFontOfItsOwn() {
  const QFont font = Control<QLabel>(*dialog_, QStringLiteral("Label1"))->font();
  QCOMPARE(font.pointSize(), 24);
  QCOMPARE(font.weight(), QFont::Normal);
  if (QFontDatabase::families().contains(QStringLiteral("MS Sans Serif")))
    QSKIP("the classic face is installed here");
  QCOMPARE(QFontInfo(font).family(), QFontInfo(dialog_->font()).family());
}

QTEST_MAIN(Form2Test)
#include "tst_form2.moc"
