#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "fakes/modal.h"
#include "fakes/pictures.h"
#include "fakes/scripted_file_dialogs.h"
#include "fakes/side_windows.h"
#include "files/fonts/font_loading.h"
#include "windows/dialogs/text_dialog.h"
#include "windows/main/form1.h"
#include "windows/main/pole.h"

using namespace tochkograf;

namespace {

// Fonts of Debian's xfonts-base and fonts-dejavu-core.
const QString kFixed13 = QStringLiteral("/usr/share/fonts/X11/misc/6x13.pcf.gz");
const QString kDejaVu = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");

QComboBox* FontList(QWidget& dialog) {
  return dialog.findChild<QComboBox*>(QStringLiteral("Font"));
}

// The main window's drawing area with the text tool chosen, and where on
// it the cell (5, 9) of its 32 x 32 picture is.
Pole* TextToolOn(Form1& form, QPoint& cell_5_9) {
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return nullptr;
  form.findChild<QAction*>(QStringLiteral("drawtext"))->trigger();
  auto* pole = form.findChild<Pole*>(QStringLiteral("Pole"));
  const QRect inner = pole->contentsRect();
  cell_5_9 = inner.topLeft() + QPoint(inner.width() * 9 / 64, inner.height() * 17 / 64);
  return pole;
}

}  // namespace

class TextDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void enterTakesTheTextAndEscLeavesIt();
  void clickPlacesTheChosenText();
  void fontFileIsAddedToTheList_data();
  void fontFileIsAddedToTheList();
  void rememberedFontIsShown_data();
  void rememberedFontIsShown();
  void pcfTextIsPlacedAtTheClickedCell_data();
  void pcfTextIsPlacedAtTheClickedCell();
};

void TextDialogTest::enterTakesTheTextAndEscLeavesIt() {
  ScriptedFileDialogs files;
  TextDialog dialog(TextChoice{QStringLiteral("Да")}, files);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  auto* text = dialog.findChild<QLineEdit*>(QStringLiteral("Text"));
  auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OK"));
  text->clear();
  QVERIFY(!ok->isEnabled());
  text->setText(QStringLiteral("Цена 5₽ 中"));
  QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("Missing"))->text().contains(u'中'));
  auto* fonts = dialog.findChild<QComboBox*>(QStringLiteral("Font"));
  fonts->setCurrentIndex(fonts->findText(QStringLiteral("Крупный")));
  QTest::keyClick(text, Qt::Key_Return);
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QCOMPARE(dialog.Choice().text, QStringLiteral("Цена 5₽ 中"));
  QCOMPARE(dialog.Choice().font, BuiltInChoice(FontSize::kLarge));

  TextDialog again(dialog.Choice(), files);
  again.show();
  QTest::keyClick(again.findChild<QLineEdit*>(QStringLiteral("Text")), Qt::Key_Escape);
  QCOMPARE(again.result(), int(QDialog::Rejected));
}

// The text tool's click opens the dialog once the button is up; "OK" puts
// the text there, "Отмена" nothing.
void TextDialogTest::clickPlacesTheChosenText() {
  FakeSideWindows windows;
  Form1 form(Form1Seams{.windows = &windows});
  QPoint cell_5_9;
  Pole* pole = TextToolOn(form, cell_5_9);
  QVERIFY(pole);
  QTest::mouseClick(pole, Qt::LeftButton, {}, cell_5_9);
  QTRY_COMPARE(windows.calls.size(), 1);
  QCOMPARE(CountOn(form.State().Pixels), 0);  // cancelled
  windows.text_chosen = TextChoice{QStringLiteral("I"), BuiltInChoice(FontSize::kSmall)};
  QTest::mouseClick(pole, Qt::LeftButton, {}, cell_5_9);
  QTRY_COMPARE(windows.calls.size(), 2);
  QCOMPARE(windows.shown_text.text, QString());
  QTRY_VERIFY(form.State().Pixels(5, 9) != kOff);
  QCOMPARE(form.State().IZM, kOn);
}

// "Из файла..." adds a font file to the list and chooses it, the size
// asked of a scalable one only; a file that is not a font is said in a
// message box and the font chosen before stays.
void TextDialogTest::fontFileIsAddedToTheList_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<bool>("font");
  QTest::addColumn<bool>("scalable");
  QTest::newRow("gzipped PCF") << kFixed13 << true << false;
  QTest::newRow("TrueType") << kDejaVu << true << true;
  QTest::newRow("not a font") << QString() << false << false;
}

void TextDialogTest::fontFileIsAddedToTheList() {
  QFETCH(QString, file);
  QFETCH(bool, font);
  QFETCH(bool, scalable);
  if (!file.isEmpty() && !QFile::exists(file)) QSKIP("the font is not installed");
  // A copy, which no list of installed fonts holds already.
  QTemporaryDir folder;
  const QString copy =
      folder.filePath(file.isEmpty() ? QStringLiteral("notes.ttf") : QFileInfo(file).fileName());
  if (file.isEmpty()) {
    QFile text(copy);
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a font\n") > 0);
  } else {
    QVERIFY(QFile::copy(file, copy));
  }
  file = copy;
  ScriptedFileDialogs files;
  files.Choose(QFileInfo(file).absolutePath(), {QFileInfo(file).fileName()});
  TextDialog dialog(TextChoice{QStringLiteral("Нр")}, files);
  QComboBox* list = FontList(dialog);
  auto* size = dialog.findChild<QSpinBox*>(QStringLiteral("FontSize"));
  const int items = list->count();
  MessageCatcher messages;
  list->setCurrentIndex(items - 1);  // "Из файла..."
  QCOMPARE(files.shown.size(), 1);
  QCOMPARE(list->count(), items + (font ? 1 : 0));
  QCOMPARE(dialog.Choice().font.file, font ? file : QString());
  QCOMPARE(dialog.Choice().font.scalable, scalable);
  QCOMPARE(size->isEnabled(), scalable);
  QCOMPARE(messages.texts.size(), font ? 0 : 1);
  if (!font) QVERIFY(messages.texts.first().contains(QFileInfo(file).fileName()));
  QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("OK"))->isEnabled());
  if (scalable) {
    size->setValue(20);
    QCOMPARE(dialog.Choice().font.pixel_size, 20);
  }
}

// The dialog opens on the font it was left at, a file's font among the
// list's; a font whose file has gone since can't be written with.
void TextDialogTest::rememberedFontIsShown_data() {
  QTest::addColumn<bool>("gone");
  QTest::newRow("the file is there") << false;
  QTest::newRow("the file has gone") << true;
}

void TextDialogTest::rememberedFontIsShown() {
  QFETCH(bool, gone);
  if (!QFile::exists(kFixed13)) QSKIP("the font is not installed");
  QTemporaryDir folder;
  const QString copy = folder.filePath(QStringLiteral("мой шрифт.pcf.gz"));
  QVERIFY(QFile::copy(kFixed13, copy));
  const std::optional<FontChoice> font = ChoiceOfFile(copy, nullptr);
  QVERIFY(font);
  if (gone) QVERIFY(QFile::remove(copy));
  ScriptedFileDialogs files;
  TextDialog dialog(TextChoice{QStringLiteral("Да"), *font}, files);
  QCOMPARE(FontList(dialog)->currentText(), font->caption);
  QCOMPARE(dialog.Choice().font, *font);
  QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("OK"))->isEnabled(), !gone);
  QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Missing"))->text().contains(u"мой шрифт"),
           gone);
}

// The text in 6x13 from xfonts-base put where the text tool was clicked,
// at cell (5, 9): the capitals' top-left there, Ё's dots above it, the
// descenders below the baseline. The cells are drawn from the glyphs as
// PIL's PcfFontFile reads the same file.
void TextDialogTest::pcfTextIsPlacedAtTheClickedCell_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QPoint>("corner");  // the drawing's top-left cell
  QTest::addColumn<QStringList>("drawing");
  QTest::newRow("Hр") << QStringLiteral("Hр") << QPoint(5, 9)
                      << QStringList{"#...#......", "#...#......", "#...#......", "#...#.####.",
                                     "#####.#...#", "#...#.#...#", "#...#.#...#", "#...#.####.",
                                     "#...#.#....", "......#....", "......#...."};
  QTest::newRow("Ёj") << QStringLiteral("Ёj") << QPoint(5, 8)
                      << QStringList{".#.#......", ".#.#......", ".........#", "#####.....",
                                     "#.......##", "#........#", "####.....#", "#........#",
                                     "#........#", "#####.#..#", "......#..#", ".......##."};
}

void TextDialogTest::pcfTextIsPlacedAtTheClickedCell() {
  QFETCH(QString, text);
  QFETCH(QPoint, corner);
  QFETCH(QStringList, drawing);
  const std::optional<FontChoice> font = ChoiceOfFile(kFixed13, nullptr);
  if (!font) QSKIP("6x13.pcf.gz of xfonts-base is not installed");
  FakeSideWindows windows;
  windows.text_chosen = TextChoice{text, *font};
  Form1 form(Form1Seams{.windows = &windows});
  QPoint cell_5_9;
  Pole* pole = TextToolOn(form, cell_5_9);
  QVERIFY(pole);
  QTest::mouseClick(pole, Qt::LeftButton, {}, cell_5_9);
  QTRY_COMPARE(windows.calls.size(), 1);
  const DocumentState& state = form.State();
  QTRY_VERIFY(CountOn(state.Pixels) > 0);
  for (int y = 1; y <= state.MY; ++y)
    for (int x = 1; x <= state.MX; ++x) {
      const QPoint at = QPoint(x, y) - corner;
      const bool ink = at.y() >= 0 && at.y() < drawing.size() && at.x() >= 0 &&
                       at.x() < drawing[at.y()].size() && drawing[at.y()][at.x()] == u'#';
      QVERIFY2((state.Pixels(x, y) != kOff) == ink,
               qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
    }
}

QTEST_MAIN(TextDialogTest)
#include "tst_text_dialog.moc"
