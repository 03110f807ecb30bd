#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "fakes/modal.h"
#include "fakes/scripted_file_dialogs.h"
#include "fakes/side_windows.h"
#include "files/fonts/char_list.h"
#include "windows/adapters/qt_side_windows.h"
#include "windows/dialogs/font_export_dialog.h"
#include "windows/main/form1.h"

using namespace tochkograf;

namespace {

template <typename Control>
Control* Find(QWidget& dialog, const char* name) {
  return dialog.findChild<Control*>(QLatin1String(name));
}

}  // namespace

class FontExportDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void charactersDecideWhatCanBeSaved_data();
  void charactersDecideWhatCanBeSaved();
  void savedWhereAsked_data();
  void savedWhereAsked();
  void menuOpensItWhereItWasLeft();
};

// The list as typed or put by the buttons: what the preview lacks is
// named, and a list that can't be read or that the font has none of
// can't be saved.
void FontExportDialogTest::charactersDecideWhatCanBeSaved_data() {
  QTest::addColumn<QString>("chars");
  QTest::addColumn<QString>("button");  // clicked after the list is typed
  QTest::addColumn<QString>("listed");  // among the characters then, all of them
  QTest::addColumn<bool>("saved");
  QTest::addColumn<QString>("named");  // in the notes
  QTest::newRow("Latin put") << "1040"
                             << "Latin"
                             << " 09AZaz~" << true << "";
  QTest::newRow("Russian added") << "48-57"
                                 << "Russian"
                                 << "09ЁАЯаяё" << true << "";
  QTest::newRow("one lacking") << "65, U+4E2D"
                               << ""
                               << "A中" << true << "中";
  QTest::newRow("a tab lacking") << "9, 65"
                                 << ""
                                 << "\tA" << true << "U+0009";
  QTest::newRow("none in the font") << "19968-19970"
                                    << ""
                                    << "一丁丂" << false << "";
  QTest::newRow("not a list") << "32-z"
                              << ""
                              << "" << false << "";
}

void FontExportDialogTest::charactersDecideWhatCanBeSaved() {
  QFETCH(QString, chars);
  QFETCH(QString, button);
  QFETCH(QString, listed);
  QFETCH(bool, saved);
  QFETCH(QString, named);
  ScriptedFileDialogs files;
  FontExportDialog dialog(FontExportChoice{BuiltInChoice(FontSize::kNormal), chars}, files);
  if (!button.isEmpty()) Find<QPushButton>(dialog, qPrintable(button))->click();
  QCOMPARE(Find<QPushButton>(dialog, "Save")->isEnabled(), saved);
  const QString notes = Find<QLabel>(dialog, "Notes")->text();
  QCOMPARE(notes.isEmpty(), saved && named.isEmpty());
  QVERIFY2(notes.contains(named), qPrintable(notes));
  const QList<char32_t> codes =
      ParseCharList(dialog.Choice().chars, nullptr).value_or(QList<char32_t>{});
  for (const uint code : listed.toUcs4()) QVERIFY(codes.contains(char32_t(code)));
  if (button == QLatin1String("Latin")) QCOMPARE(codes.size(), 126 - 32 + 1);
}

// The type chosen gives a name without an extension its own; a name with
// one keeps it. A file that can't be written is said in a message box and
// the dialog stays open; a font written closes it.
void FontExportDialogTest::savedWhereAsked_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("type");
  QTest::addColumn<QString>("written");  // empty: nothing can be
  QTest::newRow("header by its name")
      << QStringLiteral("small.h") << 1 << QStringLiteral("small.h");
  QTest::newRow("BDF by its name")
      << QStringLiteral("small.bdf") << 0 << QStringLiteral("small.bdf");
  QTest::newRow("header by the type") << QStringLiteral("small") << 0 << QStringLiteral("small.h");
  QTest::newRow("BDF by the type") << QStringLiteral("small") << 1 << QStringLiteral("small.bdf");
  QTest::newRow("no such folder") << QStringLiteral("нет/small.h") << 0 << QString();
}

void FontExportDialogTest::savedWhereAsked() {
  QFETCH(QString, name);
  QFETCH(int, type);
  QFETCH(QString, written);
  QTemporaryDir folder;
  ScriptedFileDialogs files;
  files.Choose(folder.path(), {name}, type);
  FontExportDialog dialog(FontExportChoice{BuiltInChoice(FontSize::kSmall), "48-57"}, files);
  MessageCatcher failures;
  dialog.show();
  Find<QPushButton>(dialog, "Save")->click();
  QCOMPARE(files.saves, QList<bool>{true});
  QCOMPARE(Patterns(files.shown.first()),
           (QStringList{QStringLiteral("*.h"), QStringLiteral("*.bdf")}));
  QCOMPARE(dialog.isVisible(), written.isEmpty());
  QCOMPARE(failures.texts.size(), written.isEmpty() ? 1 : 0);
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
           written.isEmpty() ? QStringList() : QStringList{written});
  if (!written.isEmpty()) QVERIFY(QFileInfo(folder.filePath(written)).size() > 0);
}

// "Файл" → "Экспорт шрифта..." opens the dialog, which starts where it
// was left the time before, saved or not.
void FontExportDialogTest::menuOpensItWhereItWasLeft() {
  FakeSideWindows fake;
  Form1 form(Form1Seams{.windows = &fake});
  form.findChild<QAction*>(QStringLiteral("fontexport"))->trigger();
  QCOMPARE(fake.calls, QStringList{QStringLiteral("font export")});

  QWidget owner;
  ScriptedFileDialogs files;
  QtSideWindows windows(&owner, nullptr, &files);
  OnNextModal([](QWidget* dialog) {
    Find<QLineEdit>(*dialog, "Chars")->setText(QStringLiteral("48-57"));
    Find<QComboBox>(*dialog, "Font")->setCurrentIndex(2);
  });
  windows.ShowFontExport();
  FontExportChoice shown;
  OnNextModal(
      [&shown](QWidget* dialog) { shown = static_cast<FontExportDialog*>(dialog)->Choice(); });
  windows.ShowFontExport();
  QCOMPARE(shown.chars, QStringLiteral("48-57"));
  QCOMPARE(shown.font, BuiltInChoice(FontSize::kLarge));
}

QTEST_MAIN(FontExportDialogTest)
#include "tst_font_export_dialog.moc"
