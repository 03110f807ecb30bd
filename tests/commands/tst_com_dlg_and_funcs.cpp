#include <QtTest>

#include "commands/com_dlg_and_funcs.h"
#include "fakes/scripted_file_dialogs.h"

using namespace tochkograf;

Q_DECLARE_METATYPE(tochkograf::FileDialogMode)

class ComDlgAndFuncsTest : public QObject {
  Q_OBJECT

 private slots:
  void requestReachesTheDialog_data();
  void requestReachesTheDialog();
  void oneFileChosen_data();
  void oneFileChosen();
  void severalFilesChosen();
  void fileInRootFolder();
  void cancelledOrFailedDialog();

 private:
  QTemporaryDir dir_;
};

// The dialog gets the filters in their order with the first selected, the
// folder, the owner and the question before replacing as the command asks
// them, and its mode's own title where the command gives none.
void ComDlgAndFuncsTest::requestReachesTheDialog_data() {
  QTest::addColumn<FileDialogMode>("mode");
  QTest::addColumn<QString>("title");
  QTest::addColumn<bool>("ask");
  QTest::addColumn<QString>("shown");
  QTest::newRow("open") << FileDialogMode::Open << QString() << true << "Открыть файл";
  QTest::newRow("save") << FileDialogMode::Save << QString() << true << "Сохранить файл";
  QTest::newRow("save, asked elsewhere")
      << FileDialogMode::Save << QString() << false << "Сохранить файл";
  QTest::newRow("own title") << FileDialogMode::Open << "Импорт изображения" << true
                             << "Импорт изображения";
}

void ComDlgAndFuncsTest::requestReachesTheDialog() {
  QFETCH(FileDialogMode, mode);
  QFETCH(QString, title);
  QFETCH(bool, ask);
  QFETCH(QString, shown);
  ScriptedFileDialogs dialogs;
  QObject owner;
  const FilterTable filters{{QStringLiteral("BMP"), {QStringLiteral("*.bmp")}},
                            {QStringLiteral("Картинки"), {"*.ems", "*.png"}},
                            {QStringLiteral("Все файлы"), {QStringLiteral("*")}}};
  FileDialogRequest request;
  request.mode = mode;
  request.owner = &owner;
  request.title = title;
  request.filters = filters;
  request.folder = QStringLiteral("/start");
  request.ask_before_replacing = ask;
  FileDialogChoice choice;
  ShowFileDialog(dialogs, request, choice);
  QCOMPARE(dialogs.shown.size(), 1);
  const FileDialogRequest& seen = dialogs.shown.first();
  QCOMPARE(seen.mode, mode);
  QCOMPARE(seen.title, shown);
  QCOMPARE(seen.filters, filters);
  QCOMPARE(seen.filter, 0);
  QCOMPARE(seen.folder, QStringLiteral("/start"));
  QCOMPARE(seen.owner, &owner);
  QCOMPARE(seen.ask_before_replacing, ask);
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
  dialogs.Choose(pics, {name}, 1);
  FileDialogChoice choice;
  QVERIFY(ShowFileDialog(dialogs, {}, choice));
  QCOMPARE(choice.paths, QStringList{pics + QLatin1Char('/') + name});
  QCOMPARE(choice.filter, 1);
  QCOMPARE(QDir::currentPath(), before);
}

void ComDlgAndFuncsTest::severalFilesChosen() {
  ScriptedFileDialogs dialogs;
  dialogs.Choose(dir_.path(), {"c.ems", "a.ems", "b.ems"});
  FileDialogChoice choice;
  QVERIFY(ShowFileDialog(dialogs, {}, choice));
  QCOMPARE(choice.paths,
           (QStringList{dir_.filePath("c.ems"), dir_.filePath("a.ems"), dir_.filePath("b.ems")}));
}

void ComDlgAndFuncsTest::fileInRootFolder() {
  ScriptedFileDialogs dialogs;
  dialogs.Choose(QStringLiteral("/"), {QStringLiteral("a.ems")});
  FileDialogChoice choice;
  QVERIFY(ShowFileDialog(dialogs, {}, choice));
  QCOMPARE(choice.paths, QStringList{QStringLiteral("/a.ems")});
}

void ComDlgAndFuncsTest::cancelledOrFailedDialog() {
  ScriptedFileDialogs dialogs;
  dialogs.Cancel();
  dialogs.Choose(dir_.path(), {});  // confirmed, yet nothing chosen
  for (const FileDialogMode mode : {FileDialogMode::Open, FileDialogMode::Save}) {
    FileDialogRequest request;
    request.mode = mode;
    FileDialogChoice choice{{QStringLiteral("old")}, 2};
    QVERIFY(!ShowFileDialog(dialogs, request, choice));
    QCOMPARE(choice.paths, QStringList());
  }
}

QTEST_GUILESS_MAIN(ComDlgAndFuncsTest)
#include "tst_com_dlg_and_funcs.moc"
