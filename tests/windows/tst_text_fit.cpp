#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QtTest>
#include <memory>

#include "fakes/side_windows.h"
#include "windows/conversion_dialog.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/text_dialog.h"

using namespace tochkograf;

// Every text of every window shows whole where it is drawn, at its window's
// font size or larger. ctest runs this at font resolutions of 96, 120 and
// 144 dpi, with the windows themselves unscaled, as a desktop with larger
// fonts has them.

namespace {

enum class Window { kMain, kSizeDialog, kSplash, kHelp, kConversionDialog, kTextDialog, kTyped };

// A wide image, and the picture in the editor at the largest size: the
// size texts at their widest.
const ImportedImage& WideImage() {
  static const ImportedImage image{
      {40000, 30000}, QImage(kMaxWidth, kMaxHeight, QImage::Format_Grayscale8), std::nullopt};
  return image;
}

// Each window as it is shown, its size texts at their widest.
std::unique_ptr<QWidget> Shown(Window which, FakeSideWindows& side) {
  std::unique_ptr<QWidget> window;
  switch (which) {
    case Window::kMain: {
      auto* main = new Form1(Form1Seams{.windows = &side});
      window.reset(main);
      side.size_chosen = QSize(kMaxWidth, kMaxHeight);
      main->findChild<QAction*>(QStringLiteral("size"))->trigger();
      break;
    }
    case Window::kSizeDialog:
      window = std::make_unique<Form2>();
      window->findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(kMaxWidth);
      window->findChild<QScrollBar*>(QStringLiteral("VScroll1"))->setValue(kMaxHeight);
      break;
    case Window::kSplash:
      window = std::make_unique<Form3>(nullptr, 3'600'000);
      break;
    case Window::kHelp:
      window = std::make_unique<Form4>();
      break;
    case Window::kConversionDialog: {
      ConversionSettings settings;
      settings.current = QSize(kMaxWidth, kMaxHeight);
      settings.typed = QSize(kMaxWidth, kMaxHeight);
      window = std::make_unique<ConversionDialog>(WideImage(), settings, true);
      break;
    }
    case Window::kTextDialog:
      window = std::make_unique<TextDialog>(TextChoice{QStringLiteral("Привет, 中")});
      break;
    case Window::kTyped:  // the text dialog's warning comes once it is shown
      window = std::make_unique<TextDialog>(TextChoice{QStringLiteral("Привет")});
      window->show();
      window->findChild<QLineEdit*>()->setText(QStringLiteral("Привет, 中 文 字"));
      break;
  }
  window->show();
  return window;
}

struct Text {
  const QWidget* widget;
  QString text;
  QRect room;  // in the widget's coordinates
  int flags;
};

// Where each text is drawn: in a label's contents, a button's label area,
// a menu title's place on the bar.
QList<Text> TextsOf(const QWidget& window) {
  QList<Text> texts;
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    const int lines = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    texts.append({label, label->text(), label->contentsRect(), int(label->alignment()) | lines});
  }
  for (const QPushButton* button : window.findChildren<QPushButton*>()) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    texts.append({button, button->text(), room, Qt::AlignCenter | Qt::TextShowMnemonic});
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    const bool radio = qobject_cast<const QRadioButton*>(button);
    if (!radio && !qobject_cast<const QCheckBox*>(button)) continue;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
    texts.append({button, button->text(), room, Qt::AlignLeft | Qt::AlignVCenter});
  }
  for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    option.textAlignment = group->alignment();
    const QRect room = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, group);
    texts.append({group, group->title(), room, Qt::AlignLeft | Qt::AlignVCenter});
  }
  for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
    for (QAction* action : bar->actions())
      texts.append({bar, action->text(), bar->actionGeometry(action), Qt::AlignCenter});
  texts.removeIf([](const Text& t) { return t.text.isEmpty(); });
  return texts;
}

QString Describe(const Text& t, const QRect& box) {
  QString where;
  QDebug(&where) << t.widget->objectName() << t.text << "needs" << box << "in" << t.room;
  return where;
}

}  // namespace

class TextFitTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void textsShowWhole_data();
  void textsShowWhole();
};

// An entry that means to run at a font resolution says which.
void TextFitTest::initTestCase() {
  const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
  qInfo("font resolution %g dpi", dpi);
  if (qEnvironmentVariableIsSet("TOCHKOGRAF_FONT_DPI"))
    QCOMPARE(dpi, qEnvironmentVariable("TOCHKOGRAF_FONT_DPI").toDouble());
}

void TextFitTest::textsShowWhole_data() {
  QTest::addColumn<Window>("which");
  QTest::newRow("main window") << Window::kMain;
  QTest::newRow("size dialog") << Window::kSizeDialog;
  QTest::newRow("splash") << Window::kSplash;
  QTest::newRow("help") << Window::kHelp;
  QTest::newRow("conversion dialog") << Window::kConversionDialog;
  QTest::newRow("text dialog") << Window::kTextDialog;
  QTest::newRow("text dialog, text typed") << Window::kTyped;
}

void TextFitTest::textsShowWhole() {
  QFETCH(Window, which);
  FakeSideWindows side;
  const std::unique_ptr<QWidget> window = Shown(which, side);
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  const QList<Text> texts = TextsOf(*window);
  QVERIFY(!texts.isEmpty());
  for (const Text& t : texts) {
    QVERIFY2(t.widget->font().pointSizeF() >= window->font().pointSizeF(),
             qPrintable(t.text + QStringLiteral(" is in a smaller font")));
    const QRect box = t.widget->fontMetrics().boundingRect(t.room, t.flags, t.text);
    QVERIFY2(t.widget->rect().contains(t.room) && t.room.contains(box),
             qPrintable(Describe(t, box)));
    // Nothing else of the window covers it, and the window holds it.
    const QRect on_window(t.widget->mapTo(window.get(), t.room.topLeft()), t.room.size());
    QVERIFY2(window->rect().contains(on_window), qPrintable(Describe(t, box)));
    for (const QObject* other : t.widget->parentWidget()->children()) {
      const auto* sibling = qobject_cast<const QWidget*>(other);
      if (!sibling || sibling == t.widget || !sibling->isVisible()) continue;
      QVERIFY2(!sibling->geometry().intersects(t.widget->geometry()),
               qPrintable(Describe(t, box) + QStringLiteral(" under ") + sibling->objectName()));
    }
  }
}

QTEST_MAIN(TextFitTest)
#include "tst_text_fit.moc"
