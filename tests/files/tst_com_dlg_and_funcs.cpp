#include <QtTest>

#include "fakes/scripted_file_dialogs.h"
#include "files/com_dlg_and_funcs.h"

using namespace tochkograf;

Q_DECLARE_METATYPE(tochkograf::FilterTable)

namespace {

const QChar kNul(u'\0');

QString Nul(std::initializer_list<QString> items) {
  QString text;
  for (const QString& item : items) text += item + kNul;
  return text;
}

}  // namespace

class ComDlgAndFuncsTest : public QObject {
  Q_OBJECT

 private slots:
  void textRoutines();
  void filterText_data();
  void filterText();
  void dialogRecordForOpenAndSave();
  void oneFileChosen_data();
  void oneFileChosen();
  void severalFilesChosen();
  void fileInRootFolder();
  void cancelledOrFailedDialog();

 private:
  QTemporaryDir dir_;
};

void ComDlgAndFuncsTest::textRoutines() {
  QCOMPARE(AddBackslash(QString()), QString());
  QCOMPARE(AddBackslash(QStringLiteral("/prog")), QStringLiteral("/prog/"));
  QCOMPARE(AddBackslash(QStringLiteral("/prog/")), QStringLiteral("/prog/"));
  QCOMPARE(AddBackslash(QStringLiteral("/")), QStringLiteral("/"));

  QString text = QStringLiteral("one") + kNul + "two" + kNul + "three";
  QCOMPARE(TakeNullItem(text), QStringLiteral("one"));
  QCOMPARE(text, QStringLiteral("two") + kNul + "three");
  QCOMPARE(TakeNullItem(text), QStringLiteral("two"));
  QCOMPARE(TakeNullItem(text), QStringLiteral("three"));
  QCOMPARE(text, QString());
  text = kNul;
  QCOMPARE(TakeNullItem(text), QString());
  QCOMPARE(text, QString());
}

void ComDlgAndFuncsTest::filterText_data() {
  QTest::addColumn<FilterTable>("filters");
  QTest::addColumn<QString>("text");
  QTest::newRow("pictures") << FilterTable{{"EMS-рисунок (EMS)", "*.ems"}, {"Все файлы", "*.*"}}
                            << Nul({"EMS-рисунок (EMS)", "*.ems", "Все файлы", "*.*"}) + kNul + kNul;
  QTest::newRow("no types") << FilterTable{} << Nul({"Все файлы", "*.*"}) + kNul;
  QTest::newRow("one-character pattern skipped")
      << FilterTable{{"Всё", "*"}, {"BMP", "*.bmp"}} << Nul({"BMP", "*.bmp"}) + kNul + kNul;
  QTest::newRow("short description")
      << FilterTable{{"", "*.txt"}, {"x", "*.a"}}
      << Nul({"Разные файлы", "*.txt", "Разные файлы", "*.a"}) + kNul + kNul;
  QTest::newRow("everything skipped") << FilterTable{{"Ничего", ""}} << QString(2, kNul);
}

void ComDlgAndFuncsTest::filterText() {
  QFETCH(FilterTable, filters);
  QFETCH(QString, text);
  QCOMPARE(FilterText(filters), text);
}

void ComDlgAndFuncsTest::dialogRecordForOpenAndSave() {
  ScriptedFileDialogs dialogs;
  QString folder = QStringLiteral("/start/");
  QStringList names;
  QObject owner;
  ShowFileDialog(dialogs, kOpenMode, folder, names, {{"BMP", "*.bmp"}}, QString(), &owner);
  ShowFileDialog(dialogs, kSaveMode, folder = QStringLiteral("/s/"), names, {}, "ems", &owner);
  ShowFileDialog(dialogs, 7, folder, names, {}, QString(), &owner);
  QCOMPARE(dialogs.saves, (QList<bool>{false, true, true}));

  const FileDialogRecord& open = dialogs.shown[0];
  QCOMPARE(open.title, QStringLiteral("Открыть файл"));
  QCOMPARE(open.flags, 0x384200u);
  QCOMPARE(open.owner, &owner);
  QCOMPARE(open.initial_dir, QStringLiteral("/start/"));
  QCOMPARE(open.filter, Nul({"BMP", "*.bmp"}) + kNul + kNul);
  QCOMPARE(open.default_ext, QString());

  const FileDialogRecord& save = dialogs.shown[1];
  QCOMPARE(save.title, QStringLiteral("Сохранить файл"));
  QCOMPARE(save.flags, 0x384002u);
  QCOMPARE(save.default_ext, QStringLiteral("ems"));
  QCOMPARE(save.initial_dir, QStringLiteral("/s/"));
}

// The dialog answers with paths, whatever their length; the working
// directory stays where it was.
void ComDlgAndFuncsTest::oneFileChosen_data() {
  QTest::addColumn<QString>("name");
  QTest::newRow("short") << QStringLiteral("a.ems");
  QTest::newRow("path of over 511 characters")
      << QString(250, QLatin1Char('n')) + QLatin1Char('/') + QString(250, QLatin1Char('m')) +
             QLatin1Char('/') + QString(250, QLatin1Char('o')) + QStringLiteral(".ems");
}

void ComDlgAndFuncsTest::oneFileChosen() {
  QFETCH(QString, name);
  const QString pics = dir_.filePath(QStringLiteral("pics"));
  const QString before = QDir::currentPath();
  ScriptedFileDialogs dialogs;
  dialogs.Choose(pics, {name});
  QString folder = QStringLiteral("/");
  QStringList names;
  QVERIFY(ShowFileDialog(dialogs, kOpenMode, folder, names, {}, QString(), nullptr));
  const QString path = pics + QLatin1Char('/') + name;
  QCOMPARE(names, QStringList{path});
  QCOMPARE(folder, QFileInfo(path).absolutePath());
  QCOMPARE(QDir::currentPath(), before);
}

void ComDlgAndFuncsTest::severalFilesChosen() {
  ScriptedFileDialogs dialogs;
  dialogs.Choose(dir_.path(), {"c.ems", "a.ems", "b.ems"});
  QString folder;
  QStringList names;
  QVERIFY(ShowFileDialog(dialogs, kOpenMode, folder, names, {}, QString(), nullptr));
  QCOMPARE(folder, dir_.path());
  QCOMPARE(names,
           (QStringList{dir_.filePath("c.ems"), dir_.filePath("a.ems"), dir_.filePath("b.ems")}));
}

void ComDlgAndFuncsTest::fileInRootFolder() {
  ScriptedFileDialogs dialogs;
  dialogs.Choose(QStringLiteral("/"), {QStringLiteral("a.ems")});
  QString folder = QStringLiteral("/x/");
  QStringList names;
  QVERIFY(ShowFileDialog(dialogs, kOpenMode, folder, names, {}, QString(), nullptr));
  QCOMPARE(folder, QStringLiteral("/"));
  QCOMPARE(names, QStringList{QStringLiteral("/a.ems")});
}

void ComDlgAndFuncsTest::cancelledOrFailedDialog() {
  ScriptedFileDialogs dialogs;
  dialogs.Cancel();
  dialogs.Choose(dir_.path(), {});  // confirmed, yet nothing chosen
  for (int mode : {kOpenMode, kSaveMode}) {
    QString folder = QStringLiteral("/start/");
    QStringList names{"old", "names"};
    QVERIFY(!ShowFileDialog(dialogs, mode, folder, names, {}, QString(), nullptr));
    QCOMPARE(folder, QString());
    QCOMPARE(names, QStringList{QString()});
  }
}

QTEST_GUILESS_MAIN(ComDlgAndFuncsTest)
#include "tst_com_dlg_and_funcs.moc"
