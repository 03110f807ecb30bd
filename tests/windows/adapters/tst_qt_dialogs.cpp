#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>
#include <functional>
#include <memory>

#include "fakes/file_bytes.h"
#include "fakes/modal.h"
#include "windows/adapters/qt_file_dialogs.h"
#include "windows/adapters/qt_user_messages.h"
#include "windows/adapters/russian_file_details.h"
#include "windows/adapters/russian_translation.h"

using namespace tochkograf;

namespace {

// Where Qt would keep a user's settings during this run: a folder of the
// test's own, never the real one, chosen before the application starts.
QTemporaryDir& ConfigHome() {
  static QTemporaryDir folder;
  return folder;
}
const bool kConfigHomeSet = qputenv("XDG_CONFIG_HOME", ConfigHome().path().toLocal8Bit());

QString Touch(const QString& path) {
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  return path;
}

constexpr int kOpenMode = 0, kSaveMode = 1;

FileDialogRequest Request(int mode, const QString& folder) {
  FileDialogRequest request;
  request.mode = mode == kOpenMode ? FileDialogMode::Open : FileDialogMode::Save;
  request.title =
      mode == kOpenMode ? QStringLiteral("Открыть файл") : QStringLiteral("Сохранить файл");
  request.filters = {{"EMS-рисунок (EMS)", {"*.ems"}}, {"Все файлы", {"*"}}};
  request.folder = folder;
  return request;
}

QStringList ButtonTexts(QMessageBox* box) {
  QStringList texts;
  for (QAbstractButton* button : box->buttons())
    texts.append(button->text().remove(QLatin1Char('&')));
  texts.sort();
  return texts;
}

}  // namespace

class QtDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void nameFiltersFromTable();
  void typedNameIsTakenWhole_data();
  void typedNameIsTakenWhole();
  void openDialogChoosesOneFile();
  void openDialogChoosesSeveralFiles();
  void cancelledDialogLeavesFolder();
  void saveDialogAsksBeforeReplacing();
  void saveDialogOffersNameAndTellsType();
  void messageBoxesInRussian();
  void fileDialogTextsInRussian();
  void fileSizesReadAsInRussian_data();
  void fileSizesReadAsInRussian();
  void fileListShowsSizeAndDateInRussian();
  void fileListShowsNamesWholeAndTypesInTheRoomLeft();
  void fileDialogReadsAndStoresNoSettings();

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString start_;
};

void QtDialogsTest::initTestCase() { QVERIFY(InstallRussianTranslation(*qApp)); }

void QtDialogsTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  start_ = QDir::tempPath();
  QVERIFY(QDir::setCurrent(start_));
}

void QtDialogsTest::cleanup() {
  QDir::setCurrent(QDir::tempPath());
  dir_.reset();
}

void QtDialogsTest::nameFiltersFromTable() {
  QCOMPARE(NameFilters({{"EMS-рисунок (EMS)", {"*.ems"}}, {"Все файлы", {"*"}}}),
           (QStringList{"EMS-рисунок (EMS) (*.ems)", "Все файлы (*)"}));
  QCOMPARE(NameFilters({{"Картинки", {"*.bmp", "*.ems"}}}), QStringList{"Картинки (*.bmp *.ems)"});
  QCOMPARE(NameFilters({}), QStringList());
}

// Qt's dialog reads quote marks as setting several names apart; a name with
// quotes in it is still one name, in the folder typed or shown.
void QtDialogsTest::typedNameIsTakenWhole_data() {
  QTest::addColumn<int>("mode");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("path");  // relative to the test's folder
  QTest::newRow("save, quotes inside") << kSaveMode << "my \"best\" pic"
                                       << "my \"best\" pic";
  QTest::newRow("save, a path with a quote") << kSaveMode << "<dir>/sub/qu\"ote"
                                             << "sub/qu\"ote";
  QTest::newRow("open, quotes round") << kOpenMode << "\"x\".ems"
                                      << "\"x\".ems";
}

void QtDialogsTest::typedNameIsTakenWhole() {
  QFETCH(int, mode);
  QFETCH(QString, typed);
  QFETCH(QString, path);
  const QString folder = dir_->path();
  QVERIFY(QDir(folder).mkdir(QStringLiteral("sub")));
  Touch(folder + QStringLiteral("/\"x\".ems"));
  Touch(folder + QStringLiteral("/x"));  // what a split name would open
  const FileDialogRequest request = Request(mode, folder);
  OnNextModal([&](QWidget* modal) {
    auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    // The dialog reads the folder in the background and, once it has, selects
    // what matches the typed name; a person types after the list is shown.
    auto* files = modal->findChild<QFileSystemModel*>();
    QVERIFY(files);
    QTRY_VERIFY(files->rowCount(files->index(folder)) >= 2);
    edit->setText(QString(typed).replace(QStringLiteral("<dir>"), folder));
    QMetaObject::invokeMethod(modal, "accept");
  });
  FileDialogChoice choice;
  QVERIFY(QtFileDialogs().Show(request, choice));
  QCOMPARE(choice.paths, QStringList{folder + QLatin1Char('/') + path});
}

void QtDialogsTest::openDialogChoosesOneFile() {
  const QString folder = dir_->path();
  Touch(folder + "/a.ems");
  const FileDialogRequest request = Request(kOpenMode, folder);
  OnNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Открыть файл"));
    QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(folder).canonicalPath());
    QCOMPARE(dialog->nameFilters().first(), QStringLiteral("EMS-рисунок (EMS) (*.ems)"));
    QVERIFY(dialog->nameFilters().first().startsWith(dialog->selectedNameFilter()));
    QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFiles);
    dialog->selectFile(QStringLiteral("a.ems"));
    static_cast<QDialog*>(dialog)->accept();
  });
  FileDialogChoice choice;
  QVERIFY(QtFileDialogs().Show(request, choice));
  QCOMPARE(choice.paths.size(), 1);
  QCOMPARE(QFileInfo(choice.paths[0]).canonicalFilePath(),
           QFileInfo(folder + "/a.ems").canonicalFilePath());
  QCOMPARE(QDir::currentPath(), start_);
}

void QtDialogsTest::openDialogChoosesSeveralFiles() {
  const QString folder = dir_->path();
  Touch(folder + "/a.ems");
  Touch(folder + "/b.ems");
  const FileDialogRequest request = Request(kOpenMode, folder);
  OnNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    QVERIFY(dialog);
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
        ->setText(QStringLiteral("\"a.ems\" \"b.ems\""));
    static_cast<QDialog*>(dialog)->accept();
  });
  FileDialogChoice choice;
  QVERIFY(QtFileDialogs().Show(request, choice));
  QStringList names;
  for (const QString& path : choice.paths) names.append(QFileInfo(path).canonicalFilePath());
  names.sort();
  QCOMPARE(names, (QStringList{QFileInfo(folder + "/a.ems").canonicalFilePath(),
                               QFileInfo(folder + "/b.ems").canonicalFilePath()}));
}

void QtDialogsTest::cancelledDialogLeavesFolder() {
  OnNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
  FileDialogChoice choice;
  QVERIFY(!QtFileDialogs().Show(Request(kSaveMode, dir_->path()), choice));
  QCOMPARE(choice.paths, QStringList());
  QCOMPARE(QDir::currentPath(), start_);
}

void QtDialogsTest::saveDialogAsksBeforeReplacing() {
  const QString folder = dir_->path();
  Touch(folder + "/old.ems");
  const FileDialogRequest request = Request(kSaveMode, folder);
  QString question;
  OnNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Сохранить файл"));
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
    dialog->selectFile(QStringLiteral("old.ems"));
    // First answer No to the question: the dialog stays; then Yes.
    QTimer::singleShot(0, [&, dialog] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      question = box->text();
      box->button(QMessageBox::No)->click();
      QTimer::singleShot(0, [] {
        auto* again = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(again);
        again->button(QMessageBox::Yes)->click();
      });
      static_cast<QDialog*>(dialog)->accept();
    });
    static_cast<QDialog*>(dialog)->accept();
  });
  FileDialogChoice choice;
  QVERIFY(QtFileDialogs().Show(request, choice));
  QVERIFY2(question.contains(QStringLiteral("old.ems")) &&
               question.contains(QStringLiteral("существует")),
           qPrintable(question));
  QCOMPARE(choice.paths.size(), 1);
  QVERIFY(choice.paths[0].endsWith(QStringLiteral("/old.ems")));
}

// The export's dialog: a name and a type to start with, and the type chosen.
void QtDialogsTest::saveDialogOffersNameAndTellsType() {
  FileDialogRequest request = Request(kSaveMode, dir_->path());
  request.filters = {{"PNG", {"*.png"}}, {"PBM", {"*.pbm"}}, {"OTB", {"*.otb"}}};
  request.name = QStringLiteral("cat");
  request.filter = 2;
  QString offered, shown_type;
  OnNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    QVERIFY(dialog);
    offered = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
    shown_type = dialog->selectedNameFilter();
    dialog->selectNameFilter(dialog->nameFilters()[1]);
    QMetaObject::invokeMethod(dialog, "accept");
  });
  FileDialogChoice choice;
  QVERIFY(QtFileDialogs().Show(request, choice));
  QCOMPARE(offered, QStringLiteral("cat"));
  QVERIFY(shown_type.startsWith(QStringLiteral("OTB")));
  QCOMPARE(choice.filter, 1);
  QCOMPARE(choice.paths, QStringList{dir_->filePath(QStringLiteral("cat"))});
}

void QtDialogsTest::messageBoxesInRussian() {
  QWidget owner;
  QtUserMessages messages(&owner);
  QStringList texts;
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  OnNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box);
    texts = ButtonTexts(box), title = box->windowTitle(), text = box->text(), icon = box->icon();
    box->button(QMessageBox::No)->click();
  });
  QCOMPARE(messages.AskSaveChanges(QStringLiteral("Выход")), SaveAnswer::No);
  QCOMPARE(texts, (QStringList{"Да", "Нет", "Отмена"}));
  QCOMPARE(title, QStringLiteral("Выход"));
  QCOMPARE(text, QStringLiteral("Сохранить изменения?"));
  QCOMPARE(icon, QMessageBox::NoIcon);

  OnNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box);
    texts = ButtonTexts(box), title = box->windowTitle(), text = box->text(), icon = box->icon();
    box->button(QMessageBox::Ok)->click();
  });
  messages.ShowFailure(QStringLiteral("Ошибка при записи файла."));
  QCOMPARE(texts, QStringList{"OK"});
  QCOMPARE(title, QStringLiteral("Tochkograf"));
  QCOMPARE(text, QStringLiteral("Ошибка при записи файла."));
  QCOMPARE(icon, QMessageBox::Critical);

  OnNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box);
    text = box->text();
    box->button(QMessageBox::Yes)->click();
  });
  QVERIFY(messages.AskReplace(QStringLiteral("Сохранить файл"), QStringLiteral("pic.ems")));
  QVERIFY2(
      text.startsWith(QStringLiteral("pic.ems")) && text.contains(QStringLiteral("существует")),
      qPrintable(text));
}

void QtDialogsTest::fileDialogTextsInRussian() {
  QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"),
           QStringLiteral("Папка"));
  QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:").remove(QLatin1Char('&')),
           QStringLiteral("Имя файла:"));
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
}

void QtDialogsTest::fileSizesReadAsInRussian_data() {
  QTest::addColumn<qint64>("bytes");
  QTest::addColumn<QString>("shown");
  QTest::newRow("empty") << qint64(0) << QStringLiteral("0 байт");
  // Thousands are set apart with a no-break space, as Russian writes them.
  QTest::newRow("under a kilobyte") << qint64(1023) << QStringLiteral("1\u00A0023 байт");
  QTest::newRow("one kilobyte") << qint64(1024) << QStringLiteral("1,00 КБ");
  QTest::newRow("a 128 x 96 picture") << qint64(1539) << QStringLiteral("1,50 КБ");
  QTest::newRow("tens of kilobytes") << qint64(25 * 1024 + 512) << QStringLiteral("25,5 КБ");
  QTest::newRow("hundreds of kilobytes") << qint64(700 * 1024) << QStringLiteral("700 КБ");
  QTest::newRow("megabytes") << qint64(5'000'000) << QStringLiteral("4,77 МБ");
  QTest::newRow("gigabytes") << qint64(3) * 1024 * 1024 * 1024 << QStringLiteral("3,00 ГБ");
  QTest::newRow("beyond terabytes")
      << qint64(2048) * 1024 * 1024 * 1024 * 1024 << QStringLiteral("2\u00A0048 ТБ");
}

void QtDialogsTest::fileSizesReadAsInRussian() {
  QFETCH(qint64, bytes);
  QFETCH(QString, shown);
  QCOMPARE(RussianFileSize(bytes), shown);
}

// Whatever the system's locale, the list gives sizes and dates in Russian.
void QtDialogsTest::fileListShowsSizeAndDateInRussian() {
  const QString folder = dir_->path();
  Store(folder + "/a.ems", QByteArray(1539, 'x'));
  const QDateTime written = QFileInfo(folder + "/a.ems").lastModified();
  QString size, date;
  OnNextModal([&](QWidget* modal) {
    auto* list = modal->findChild<QTreeView*>(QStringLiteral("treeView"));
    QVERIFY(list);
    const QAbstractItemModel* model = list->model();
    QModelIndex name;
    QTRY_VERIFY((name = model
                            ->match(model->index(0, 0, list->rootIndex()), Qt::DisplayRole,
                                    QStringLiteral("a.ems"), 1, Qt::MatchExactly)
                            .value(0))
                    .isValid());
    QTRY_VERIFY(!model->index(name.row(), 3, name.parent()).data().toString().isEmpty());
    size = model->index(name.row(), 1, name.parent()).data().toString();
    date = model->index(name.row(), 3, name.parent()).data().toString();
  });
  FileDialogChoice choice;
  QtFileDialogs().Show(Request(kOpenMode, folder), choice);
  QCOMPARE(size, QStringLiteral("1,50 КБ"));
  QCOMPARE(date, QLocale(QLocale::Russian).toString(written, QLocale::ShortFormat));
}

// Widths a file list's name and type columns need for the texts they hold
// and the widths they are given, in a real dialog over `folder`.
struct ColumnFit {
  int name_needed = 0, name_given = 0, type_needed = 0, type_given = 0;
};

ColumnFit FitOfFileList(const QString& folder, int entries) {
  ColumnFit fit;
  OnNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    QVERIFY(dialog);
    dialog->selectNameFilter(dialog->nameFilters().last());  // every file
    auto* list = modal->findChild<QTreeView*>(QStringLiteral("treeView"));
    QVERIFY(list);
    const QAbstractItemModel* model = list->model();
    QTRY_COMPARE(model->rowCount(list->rootIndex()), entries);
    QTRY_VERIFY(!model->index(0, 2, list->rootIndex()).data().toString().isEmpty());
    const auto* view = static_cast<const QAbstractItemView*>(list);
    fit = {view->sizeHintForColumn(0), list->header()->sectionSize(0), view->sizeHintForColumn(2),
           list->header()->sectionSize(2)};
  });
  FileDialogChoice choice;
  QtFileDialogs().Show(Request(kOpenMode, folder), choice);
  return fit;
}

// A file type's text can be far longer than a folder's or an unknown file's
// ("Изображение Windows BMP"). Names are never cut short; types take the
// room the names leave, which in a folder of short names is room enough.
void QtDialogsTest::fileListShowsNamesWholeAndTypesInTheRoomLeft() {
  const QString folder = dir_->path();
  // Each file begins as its kind does, since an empty one is typed as empty.
  const std::pair<const char*, QByteArray> files[] = {
      {"a.ems", QByteArray(1539, '\0')},
      {"b.bmp", QByteArray("BM").append(60, '\0')},
      {"c.txt", QByteArray("text\n")},
      {"d.png", QByteArray("\x89PNG\r\n\x1a\n").append(16, '\0')}};
  for (const auto& [name, bytes] : files)
    Store(folder + QLatin1Char('/') + QLatin1String(name), bytes);
  QVERIFY(QDir(folder).mkdir(QStringLiteral("e")));
  const ColumnFit short_names = FitOfFileList(folder, 5);
  QVERIFY(short_names.name_needed <= short_names.name_given);
  QVERIFY2(short_names.type_needed <= short_names.type_given,
           qPrintable(QStringLiteral("type column %1 px, its texts need %2")
                          .arg(short_names.type_given)
                          .arg(short_names.type_needed)));

  Touch(folder + QStringLiteral("/очень длинное имя рисунка для телефона, "
                                "нарисованного в прошлом году.bmp"));
  const ColumnFit with_long_name = FitOfFileList(folder, 6);
  QVERIFY2(with_long_name.name_needed <= with_long_name.name_given,
           qPrintable(QStringLiteral("name column %1 px, its texts need %2")
                          .arg(with_long_name.name_given)
                          .arg(with_long_name.name_needed)));
}

// The program stores no settings and reads none. Qt's file dialog would keep
// its view, folder history and column widths in the Qt settings file every
// Qt program of the user shares, and take them from there.
void QtDialogsTest::fileDialogReadsAndStoresNoSettings() {
  QVERIFY(kConfigHomeSet);
  const QString settings_file = ConfigHome().filePath(QStringLiteral("QtProject.conf"));
  const QByteArray planted =
      "[FileDialog]\nviewMode=List\nhistory=file:///\nlastVisited=file:///\n";
  Store(settings_file, planted);
  for (bool save : {false, true}) {
    QFileDialog::ViewMode shown = QFileDialog::List;
    OnNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      QVERIFY(dialog);
      shown = dialog->viewMode();
      dialog->reject();
    });
    FileDialogChoice choice;
    QtFileDialogs().Show(Request(save ? kSaveMode : kOpenMode, dir_->path()), choice);
    QCOMPARE(shown, QFileDialog::Detail);
  }
  QCOMPARE(Contents(settings_file), planted);
  QCOMPARE(QDir(ConfigHome().path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
           QStringList{QStringLiteral("QtProject.conf")});
}

QTEST_MAIN(QtDialogsTest)
#include "tst_qt_dialogs.moc"
