#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QtTest>
#include <memory>

#include "commands/com_dlg_and_funcs.h"
#include "commands/document_commands.h"
#include "commands/recovery.h"
#include "commands/transfer/bmp_import.h"
#include "commands/transfer/export_command.h"
#include "fakes/animations.h"
#include "fakes/modal.h"
#include "fakes/side_windows.h"
#include "files/fonts/font_loading.h"
#include "files/fonts/installed_fonts.h"
#include "windows/adapters/qt_file_dialogs.h"
#include "windows/adapters/qt_side_windows.h"
#include "windows/adapters/qt_user_messages.h"
#include "windows/dialogs/c_array_export_dialog.h"
#include "windows/dialogs/c_array_import_dialog.h"
#include "windows/dialogs/conversion_dialog.h"
#include "windows/dialogs/display_window.h"
#include "windows/dialogs/font_export_dialog.h"
#include "windows/dialogs/form2.h"
#include "windows/dialogs/form3.h"
#include "windows/dialogs/form4.h"
#include "windows/dialogs/frame_duration_dialog.h"
#include "windows/dialogs/history_dialog.h"
#include "windows/dialogs/network_code_dialog.h"
#include "windows/dialogs/receive_dialog.h"
#include "windows/dialogs/sending_window.h"
#include "windows/dialogs/sms_dialog.h"
#include "windows/dialogs/text_dialog.h"
#include "windows/main/form1.h"

using namespace tochkograf;

// Every window, dialog and message box fits the screen with its title bar,
// shows its title and its buttons whole, and every text of it shows whole
// where it is drawn, at its window's font size or larger. ctest runs this
// on a screen of 1024 x 768 at 96 dpi, and of 1280 x 1024 with the fonts of
// 120 and 144 dpi (the windows themselves unscaled, as a desktop with larger
// fonts has them), scaled by one and a half and at twice the scale.

namespace {

// The message boxes' rows give the title, text or name they show.
enum class Window {
  kMain,
  kSizeDialog,
  kSplash,
  kHelp,
  kConversionDialog,
  kTextDialog,
  kTyped,
  kScalableText,
  kFontExport,
  kCArrayImportDialog,
  kCArrayExportDialog,
  kSmsDialog,
  kSendingDialog,
  kSendingWindow,
  kReceiveDialog,
  kNetworkCodeDialog,
  kFrameDurationDialog,
  kHistoryDialog,
  kDisplayWindow,
  kFileDialog,
  kSaveQuestion,
  kFailureMessage,
  kReplaceQuestion,
  kRecoverQuestion
};

// A wide image, and the picture in the editor at the largest size: the
// size texts at their widest.
const ImportedImage& WideImage() {
  static const ImportedImage image{
      {40000, 30000}, QImage(kMaxWidth, kMaxHeight, QImage::Format_Grayscale8), std::nullopt};
  return image;
}

// A long array of a named picture found far down a file: the dialog's
// texts at their widest.
const CArrayScan kLongArray{QByteArray(kMostArrayBytes, '\x55'),
                            10'000'000,
                            QStringLiteral("very_long_name_of_a_picture_for_a_small_display"),
                            123'456,
                            {},
                            {},
                            {}};

// A file's name of as many Russian letters as a name may have bytes, and
// no space to break its line at.
QString LongName() { return QString(127, u'ф') + QStringLiteral(".ems"); }

QtFileDialogs& Files() {
  static QtFileDialogs files;
  return files;
}

// A scalable font, where one is installed, at the largest size it is drawn at.
FontChoice ScalableFont() {
  std::optional<FontChoice> font = InstalledFontNamed(QStringLiteral("DejaVu Sans"));
  if (!font || !font->scalable) return BuiltInChoice(FontSize::kLarge);
  font->pixel_size = kLargestFontPixels;
  return *font;
}

// Each window as it is shown, its texts at their widest, handed to `check`
// while it is on the screen; a window that belongs to the main window has
// `owner` in its place. `words` is the title, text or name a message box
// shows.
void WithShown(Window which, const QString& words, QWidget& owner,
               const std::function<void(QWidget&)>& check) {
  const auto check_modal = [&check](QWidget* modal) {
    if (QTest::qWaitForWindowExposed(modal)) check(*modal);
  };
  FakeSideWindows side;
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
      window = std::make_unique<Form2>(&owner);
      window->findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(kMaxWidth);
      window->findChild<QScrollBar*>(QStringLiteral("VScroll1"))->setValue(kMaxHeight);
      break;
    case Window::kSplash:
      window = std::make_unique<Form3>(nullptr, 3'600'000);
      break;
    case Window::kHelp: {
      QtSideWindows windows(&owner);
      windows.ShowHelp();
      window.reset(owner.findChild<Form4*>());
      break;
    }
    case Window::kConversionDialog: {
      ConversionSettings settings;
      settings.current = QSize(kMaxWidth, kMaxHeight);
      settings.typed = QSize(kMaxWidth, kMaxHeight);
      window = std::make_unique<ConversionDialog>(WideImage(), settings, true, &owner);
      break;
    }
    case Window::kTextDialog:
      window =
          std::make_unique<TextDialog>(TextChoice{QStringLiteral("Привет, 中")}, Files(), &owner);
      break;
    case Window::kTyped:  // the text dialog's warning comes once it is shown
      window = std::make_unique<TextDialog>(TextChoice{QStringLiteral("Привет")}, Files(), &owner);
      window->show();
      window->findChild<QLineEdit*>()->setText(QStringLiteral("Привет, 中 文 字"));
      break;
    case Window::kScalableText:  // the size asked beside the list
      window = std::make_unique<TextDialog>(TextChoice{QStringLiteral("Привет"), ScalableFont()},
                                            Files(), &owner);
      break;
    case Window::kFontExport:  // many characters the font lacks named
      window = std::make_unique<FontExportDialog>(
          FontExportChoice{ScalableFont(),
                           QStringLiteral("32-126, 1025, 1040-1103, 1105, 19968-20100")},
          Files(), &owner);
      break;
    case Window::kCArrayImportDialog:
      window = std::make_unique<CArrayImportDialog>(
          kLongArray,
          CArrayReading{QSize(kMaxWidth, kMaxHeight), ByteLayout::PagesMsbTop, SetBit::Paper}, true,
          &owner);
      break;
    case Window::kCArrayExportDialog:
      window = std::make_unique<CArrayExportDialog>(
          RandomAnimation(kMaxWidth, kMaxHeight, 64),
          CArrayOptions{ByteLayout::PagesMsbTop, SetBit::Paper, QString(63, u'w'), true}, &owner);
      break;
    case Window::kSmsDialog: {
      const Animation frames = RandomAnimation(kMaxWidth, kMaxHeight, 64);
      window = std::make_unique<SmsDialog>(
          frames, frames.Frame(0),
          SmsOptions{QStringLiteral("+79161234567"), QString(160, u'Ж'), SmsKind::Ems},
          NetworkCode{250, 1}, &owner);
      break;
    }
    case Window::kSendingDialog: {
      const Animation frames = RandomAnimation(kMaxWidth, kMaxHeight, 64);
      window = std::make_unique<SmsDialog>(
          frames, frames.Frame(0),
          SmsOptions{QStringLiteral("+79161234567"), QString(160, u'Ж'), SmsKind::Ems},
          NetworkCode{250, 1}, &owner,
          ModemChoice{{{QStringLiteral("/dev/ttyUSB0"), QString(40, u'Ж')}}, {}});
      break;
    }
    case Window::kSendingWindow: {  // at its end, saying why at length
      auto* sending = new SendingWindow(
          {QStringLiteral(
              "/nonexistent/serial/by-id/usb-HUAWEI_Technology_HUAWEI_Mobile-if00-port0")},
          QList<QByteArray>(255, QByteArray(2, '\0')), &owner);
      window.reset(sending);
      QSignalSpy ended(sending, &SendingWindow::Ended);
      if (!ended.wait(10000)) return;
      break;
    }
    case Window::kReceiveDialog: {  // a port that is not there, named at length
      auto* receiving = new ReceiveDialog({}, {}, Files(), &owner);
      window.reset(receiving);
      receiving->findChild<QComboBox*>("port")->setEditText(QStringLiteral(
          "/nonexistent/serial/by-id/usb-HUAWEI_Technology_HUAWEI_Mobile-if00-port0"));
      receiving->Read();
      break;
    }
    case Window::kNetworkCodeDialog:
      window = std::make_unique<NetworkCodeDialog>(NetworkCode{250, 1}, &owner);
      break;
    case Window::kFrameDurationDialog:
      window = std::make_unique<FrameDurationDialog>(kLongestFrame, &owner);
      break;
    case Window::kHistoryDialog: {  // the largest picture, a long name last
      static DocumentState document;
      document.MX = kMaxWidth;
      document.MY = kMaxHeight;
      document.History.Start(document);
      document.Pixels(1, 1) = kOn;
      document.History.Record(document, QStringLiteral("Текст «ДОБРОЕ УТРО»"));
      window = std::make_unique<HistoryDialog>(document.History, &owner);
      break;
    }
    case Window::kDisplayWindow: {  // the largest screen, enlarged most
      static DocumentState document;
      document.MX = kMaxWidth;
      document.MY = kMaxHeight;
      auto* display = new DisplayWindow(document, &owner);
      window.reset(display);
      for (auto* choice : display->findChildren<QComboBox*>())
        choice->setCurrentIndex(choice->count() - 1);
      break;
    }
    case Window::kFileDialog: {
      FileDialogRequest request;
      request.owner = &owner;
      request.title = kExportTitle;
      request.filters = {{words, {QStringLiteral("*")}}};
      FileDialogChoice choice;
      OnNextModal(check_modal);
      QtFileDialogs().Show(request, choice);
      return;
    }
    case Window::kSaveQuestion:
      OnNextModal(check_modal);
      QtUserMessages(&owner).AskSaveChanges(words);
      return;
    case Window::kFailureMessage:
      OnNextModal(check_modal);
      QtUserMessages(&owner).ShowFailure(words);
      return;
    case Window::kReplaceQuestion:
      OnNextModal(check_modal);
      QtUserMessages(&owner).AskReplace(kSaveDialogTitle, words);
      return;
    case Window::kRecoverQuestion:
      OnNextModal(check_modal);
      QtUserMessages(&owner).AskRecover(
          RecoveryQuestion(words, QDateTime::currentDateTime(), QDateTime::currentDateTime()));
      return;
  }
  window->show();
  if (QTest::qWaitForWindowExposed(window.get())) check(*window);
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
    const int mnemonic = label->buddy() ? Qt::TextShowMnemonic : 0;
    texts.append(
        {label, label->text(), label->contentsRect(), int(label->alignment()) | lines | mnemonic});
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

// The font of a window's title, as window managers draw it.
QFont TitleFont(const QWidget& window) {
  QFont title = window.font();
  title.setBold(true);
  return title;
}

// The room the window manager takes round a window, at least: a title bar
// of the title's line and half as much again, and a border of a pixel.
int TitleBarHeight(const QWidget& window) {
  return QFontMetrics(TitleFont(window)).lineSpacing() * 3 / 2;
}
QMargins LeastDecoration(const QWidget& window) {
  if (window.windowFlags() & Qt::FramelessWindowHint) return {};
  return QMargins(1, TitleBarHeight(window), 1, 1);
}

// Whether `place` in `widget` shows whole in `window`: inside each of the
// widget's parents, so neither cut off by an edge nor hidden. What a
// scrolled area holds need only be as wide as the area, as it scrolls up
// and down into sight.
bool ShowsWhole(const QWidget* widget, QRect place, const QWidget& window) {
  for (const QWidget* w = widget; w != &window; w = w->parentWidget()) {
    if (!w->isVisible()) return false;
    place.translate(w->pos());
    const QWidget* parent = w->parentWidget();
    const auto* area = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget());
    if (area && area->viewport() == parent) place.moveTop(0);  // scrolled into sight
    if (!parent->rect().contains(place)) return false;
  }
  return true;
}

void CheckTextsShowWhole(QWidget& window) {
  const QList<Text> texts = TextsOf(window);
  QVERIFY(!texts.isEmpty());
  for (const Text& t : texts) {
    if (!t.widget->isVisibleTo(&window)) continue;
    QVERIFY2(t.widget->font().pointSizeF() >= window.font().pointSizeF(),
             qPrintable(t.text + QStringLiteral(" is in a smaller font")));
    const QRect box = t.widget->fontMetrics().boundingRect(t.room, t.flags, t.text);
    QVERIFY2(t.widget->rect().contains(t.room) && t.room.contains(box),
             qPrintable(Describe(t, box)));
    // Nothing else of the window covers it, and the window holds it.
    QVERIFY2(ShowsWhole(t.widget, t.room, window), qPrintable(Describe(t, box)));
    for (const QObject* other : t.widget->parentWidget()->children()) {
      const auto* sibling = qobject_cast<const QWidget*>(other);
      if (!sibling || sibling == t.widget || !sibling->isVisible()) continue;
      QVERIFY2(!sibling->geometry().intersects(t.widget->geometry()),
               qPrintable(Describe(t, box) + QStringLiteral(" under ") + sibling->objectName()));
    }
  }
}

// The window with its title bar and borders lies within the screen's free
// area, its title bar has room for its title in bold beside the window's
// icon and three buttons, each as wide as the bar is high, and as much
// again for the gaps between them; and every button of it shows whole.
void CheckFitsTheScreen(QWidget& window) {
  const QRect screen = window.screen()->availableGeometry();
  const QRect frame = window.geometry().marginsAdded(LeastDecoration(window));
  QString where;
  QDebug(&where) << window.windowTitle() << frame << "on" << screen;
  QVERIFY2(screen.contains(frame), qPrintable(where));
  if (!(window.windowFlags() & Qt::FramelessWindowHint)) {
    const int title = QFontMetrics(TitleFont(window)).horizontalAdvance(window.windowTitle());
    QVERIFY2(frame.width() >= title + 6 * TitleBarHeight(window),
             qPrintable(where + QStringLiteral(" cuts its title")));
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (!button->isVisibleTo(&window) || button->text().isEmpty()) continue;
    QVERIFY2(ShowsWhole(button, button->rect(), window),
             qPrintable(button->text() + QStringLiteral(" is cut off")));
  }
}

}  // namespace

class TextFitTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase() { owner_.reset(); }
  void textsShowWhole_data() { Windows(); }
  void textsShowWhole();
  void windowsFitTheScreen_data() { Windows(); }
  void windowsFitTheScreen();

 private:
  static void Windows();

  // Stands in for the main window in the screen's bottom right corner,
  // where a window centred over it would reach past the screen's edges.
  std::unique_ptr<QWidget> owner_;
};

// An entry that means to run at a font resolution or on a screen of a size
// says which.
void TextFitTest::initTestCase() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const qreal dpi = screen->logicalDotsPerInchY();
  qInfo() << "font resolution" << dpi << "dpi, screen" << screen->size() << "free"
          << screen->availableGeometry();
  if (qEnvironmentVariableIsSet("TOCHKOGRAF_FONT_DPI"))
    QCOMPARE(dpi, qEnvironmentVariable("TOCHKOGRAF_FONT_DPI").toDouble());
  if (qEnvironmentVariableIsSet("TOCHKOGRAF_SCREEN")) {
    const QStringList sides = qEnvironmentVariable("TOCHKOGRAF_SCREEN").split(u'x');
    // A scaled screen's logical size is its size divided and rounded.
    const QSizeF pixels = QSizeF(screen->size()) * screen->devicePixelRatio();
    QVERIFY(qAbs(pixels.width() - sides[0].toInt()) < screen->devicePixelRatio());
    QVERIFY(qAbs(pixels.height() - sides[1].toInt()) < screen->devicePixelRatio());
  }
  owner_ = std::make_unique<QWidget>();
  owner_->setWindowTitle(QStringLiteral("Tochkograf"));
  owner_->resize(300, 200);
  owner_->move(screen->availableGeometry().bottomRight() - QPoint(300, 200));
  owner_->show();
}

void TextFitTest::Windows() {
  QTest::addColumn<Window>("which");
  QTest::addColumn<QString>("words");
  QTest::newRow("main window") << Window::kMain << QString();
  QTest::newRow("size dialog") << Window::kSizeDialog << QString();
  QTest::newRow("splash") << Window::kSplash << QString();
  QTest::newRow("help") << Window::kHelp << QString();
  QTest::newRow("conversion dialog") << Window::kConversionDialog << QString();
  QTest::newRow("text dialog") << Window::kTextDialog << QString();
  QTest::newRow("text dialog, text typed") << Window::kTyped << QString();
  QTest::newRow("text dialog, scalable font") << Window::kScalableText << QString();
  QTest::newRow("font export") << Window::kFontExport << QString();
  QTest::newRow("C array import") << Window::kCArrayImportDialog << QString();
  QTest::newRow("C array export") << Window::kCArrayExportDialog << QString();
  QTest::newRow("SMS") << Window::kSmsDialog << QString();
  QTest::newRow("SMS to a modem") << Window::kSendingDialog << QString();
  QTest::newRow("sending") << Window::kSendingWindow << QString();
  QTest::newRow("receiving") << Window::kReceiveDialog << QString();
  QTest::newRow("network code") << Window::kNetworkCodeDialog << QString();
  QTest::newRow("frame duration") << Window::kFrameDurationDialog << QString();
  QTest::newRow("history") << Window::kHistoryDialog << QString();
  QTest::newRow("as on a display") << Window::kDisplayWindow << QString();
  QTest::newRow("file dialog") << Window::kFileDialog << QStringLiteral("Массив C для дисплея");
  // Every question and message box of QtUserMessages has its rows here. A
  // new one gets a value of Window, its case in WithShown and its row here.
  for (const QString& title : {kNewTitle, kOpenTitle, kExitTitle, kImportTitle})
    QTest::newRow(qPrintable(QStringLiteral("save question: ") + title))
        << Window::kSaveQuestion << title;
  QTest::newRow("failure")
      << Window::kFailureMessage
      << QStringLiteral("Не удалось открыть файл «%1»: нет доступа.").arg(LongName());
  QTest::newRow("replace question") << Window::kReplaceQuestion << LongName();
  QTest::newRow("recovery question") << Window::kRecoverQuestion << LongName();
}

void TextFitTest::textsShowWhole() {
  QFETCH(Window, which);
  QFETCH(QString, words);
  WithShown(which, words, *owner_, CheckTextsShowWhole);
}

void TextFitTest::windowsFitTheScreen() {
  QFETCH(Window, which);
  QFETCH(QString, words);
  WithShown(which, words, *owner_, CheckFitsTheScreen);
}

QTEST_MAIN(TextFitTest)
#include "tst_text_fit.moc"
