#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "fakes/file_bytes.h"
#include "fakes/image_bytes.h"
#include "fakes/pictures.h"
#include "fakes/scripted_file_dialogs.h"
#include "fakes/scripted_messages.h"
#include "fakes/side_windows.h"
#include "files/formats/ems_format.h"
#include "files/sms/ems_element.h"
#include "picture/view.h"
#include "windows/main/form1.h"
#include "windows/main/pole.h"

using namespace tochkograf;

// The file commands as the main window routes them: menus, shortcuts,
// toolbar buttons and the closing of the window.
class Form1FilesTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void buttonsRunTheirMenuItems();
  void newFromMenuShortcutAndButton_data();
  void newFromMenuShortcutAndButton();
  void openAndSaveFromShortcutsAndButtons();
  void saveAsAndCaption();
  void closingAsksAndCancelKeepsWindow();
  void focusOnWindowShowsWholeName();
  void importFromMenu();
  void imageImportFromMenu();
  void fileNamedOutsideOpensByItsType_data();
  void fileNamedOutsideOpensByItsType();
  void saveGoesWhereTheFileCameFrom_data();
  void saveGoesWhereTheFileCameFrom();
  void drawingAreaFollowsPictureSize_data();
  void drawingAreaFollowsPictureSize();

 private:
  QPushButton* Button(int index) {
    return form_->findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(index));
  }

  std::unique_ptr<QTemporaryDir> dir_;
  ScriptedMessages messages_;
  ScriptedFileDialogs dialogs_;
  FakeSideWindows windows_;
  std::unique_ptr<Form1> form_;
};

void Form1FilesTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  QVERIFY(QDir::setCurrent(dir_->path()));
  messages_ = ScriptedMessages();
  dialogs_ = ScriptedFileDialogs();
  form_ = std::make_unique<Form1>(
      Form1Seams{&messages_, &windows_, &dialogs_, dir_->path() + QStringLiteral("/start")});
  form_->show();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void Form1FilesTest::cleanup() {
  form_->State().IZM = kOff;  // let it close without questions
  form_.reset();
  QDir::setCurrent(QDir::tempPath());
  dir_.reset();
}

// Each toolbar button runs its menu item's command and shows its picture.
void Form1FilesTest::buttonsRunTheirMenuItems() {
  const char* const items[] = {"filenew",  "fileopen",  "filesave", "editcut",
                               "editcopy", "editpaste", "size"};
  for (int i = 0; i < 7; ++i) {
    auto* action = form_->findChild<QAction*>(QLatin1String(items[i]));
    QSignalSpy ran(action, &QAction::triggered);
    QTest::mouseClick(Button(i), Qt::LeftButton);
    QVERIFY2(ran.size() == 1, items[i]);
    QCOMPARE(Button(i)->icon().pixmap(24).toImage(), action->icon().pixmap(24).toImage());
  }
  QCOMPARE(windows_.calls, QStringList{QStringLiteral("size")});
}

void Form1FilesTest::newFromMenuShortcutAndButton_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("menu") << "menu";
  QTest::newRow("Ctrl+N") << "key";
  QTest::newRow("button 0") << "button";
}

void Form1FilesTest::newFromMenuShortcutAndButton() {
  QFETCH(QString, how);
  DocumentState& s = form_->State();
  s.Pixels(3, 3) = kOn;
  s.IZM = kOn;
  const auto run_new = [&] {
    if (how == QLatin1String("menu"))
      form_->findChild<QAction*>(QStringLiteral("filenew"))->trigger();
    else if (how == QLatin1String("key"))
      QTest::keyClick(form_.get(), Qt::Key_N, Qt::ControlModifier);
    else
      QTest::mouseClick(Button(0), Qt::LeftButton);
  };
  messages_.answers.enqueue(SaveAnswer::Cancel);
  run_new();
  QCOMPARE(s.Pixels(3, 3), kOn);
  messages_.answers.enqueue(SaveAnswer::No);
  run_new();
  QCOMPARE(s.Pixels(3, 3), kOff);
  QCOMPARE(s.IZM, kOff);
  QCOMPARE(messages_.questions, QStringList(2, QStringLiteral("Создание нового рисунка")));
}

void Form1FilesTest::openAndSaveFromShortcutsAndButtons() {
  PixelGrid picture;
  FillRandom(picture, 8);
  QFile file(dir_->filePath(QStringLiteral("cat.ems")));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(EncodeEms({16, 16, picture}));
  file.close();

  dialogs_.Choose(dir_->path(), {QStringLiteral("cat.ems")});
  QTest::keyClick(form_.get(), Qt::Key_O, Qt::ControlModifier);
  QCOMPARE(form_->State().FileName, file.fileName());
  QCOMPARE(form_->windowTitle(), QStringLiteral("cat - Tochkograf"));
  QCOMPARE(form_->State().MX, 16);
  QCOMPARE(dialogs_.shown[0].folder, dir_->path() + QStringLiteral("/start"));

  form_->State().Pixels(1, 1) = form_->State().Pixels(1, 1) ? kOff : kOn;
  QTest::keyClick(form_.get(), Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(file.open(QIODevice::ReadOnly), true);
  QCOMPARE(file.readAll(), EncodeEms({16, 16, form_->State().Pixels}));
  file.close();

  QTest::mouseClick(Button(2), Qt::LeftButton);  // save again, no dialog
  dialogs_.Cancel();
  QTest::mouseClick(Button(1), Qt::LeftButton);  // open, cancelled
  QCOMPARE(dialogs_.saves, (QList<bool>{false, false}));
  QVERIFY(messages_.failures.isEmpty());
}

void Form1FilesTest::saveAsAndCaption() {
  dialogs_.Choose(dir_->path(), {QStringLiteral("pic")});
  form_->findChild<QAction*>(QStringLiteral("filesaveas"))->trigger();
  QVERIFY(QFileInfo::exists(dir_->filePath(QStringLiteral("pic.ems"))));
  QCOMPARE(form_->windowTitle(), QStringLiteral("pic - Tochkograf"));
}

void Form1FilesTest::closingAsksAndCancelKeepsWindow() {
  QSignalSpy unloaded(form_.get(), &Form1::Unloaded);
  form_->State().IZM = kOn;
  messages_.answers.enqueue(SaveAnswer::Cancel);
  messages_.answers.enqueue(SaveAnswer::No);
  form_->findChild<QAction*>(QStringLiteral("fileexit"))->trigger();
  QVERIFY(form_->isVisible());
  QCOMPARE(unloaded.count(), 0);
  form_->close();  // closing by the window system asks the same
  QVERIFY(!form_->isVisible());
  QCOMPARE(unloaded.count(), 1);
  QCOMPARE(messages_.questions, QStringList(2, QStringLiteral("Выход")));
}

void Form1FilesTest::focusOnWindowShowsWholeName() {
  form_->State().FileName = QStringLiteral("cat.ems");
  QFocusEvent focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(form_.get(), &focus);
  QCOMPARE(form_->windowTitle(), QStringLiteral("cat.ems - Tochkograf"));
  form_->State().FileName = kUntitled;
  QApplication::sendEvent(form_.get(), &focus);
  QCOMPARE(form_->windowTitle(), QStringLiteral("Tochkograf"));
}

void Form1FilesTest::importFromMenu() {
  form_->State().FileName = QStringLiteral("cat.ems");
  form_->setWindowTitle(QStringLiteral("cat - Tochkograf"));
  dialogs_.Choose(QStringLiteral(TOCHKOGRAF_TEST_DATA "/bmp"), {QStringLiteral("w72_h14.bmp")});
  form_->findChild<QAction*>(QStringLiteral("frombmp"))->trigger();
  QCOMPARE(form_->State().MX, 72);
  QCOMPARE(form_->State().FileName, kUntitled);
  QCOMPARE(form_->windowTitle(), QStringLiteral("cat - Tochkograf"));
  QCOMPARE(form_->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral(" 72 x 14"));
}

// An image that needs converting goes through the conversion dialog, and
// the window shows the picture that comes of it under its old caption.
void Form1FilesTest::imageImportFromMenu() {
  form_->State().FileName = QStringLiteral("cat.ems");
  form_->setWindowTitle(QStringLiteral("cat - Tochkograf"));
  QImage photo(400, 300, QImage::Format_RGB32);
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x) photo.setPixel(x, y, qRgb(x / 2, y / 2, 100));
  Store(dir_->filePath(QStringLiteral("photo.jpg")), ImageBytes(photo, "jpeg"));
  dialogs_.Choose(dir_->path(), {QStringLiteral("photo.jpg")});
  windows_.on_conversion = [](ConversionSettings&) { return true; };
  form_->findChild<QAction*>(QStringLiteral("fromimage"))->trigger();
  QCOMPARE(windows_.calls.last(), QStringLiteral("conversion"));
  QCOMPARE(QSize(form_->State().MX, form_->State().MY), QSize(kMaxWidth, kMaxHeight));
  QCOMPARE(form_->State().IZM, kOn);
  QCOMPARE(form_->windowTitle(), QStringLiteral("cat - Tochkograf"));
  QCOMPARE(form_->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
           SizeLabelText(kMaxWidth, kMaxHeight));
}

// A file named on the command line: a picture opens, a BMP and any other
// image are imported, the latter through the conversion dialog.
void Form1FilesTest::fileNamedOutsideOpensByItsType_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("width");
  QTest::addColumn<bool>("titled");
  QTest::addColumn<QString>("dialog");  // the side window it goes through, if any
  QTest::addColumn<bool>("dropped");    // on the window, rather than named to it
  for (const bool dropped : {false, true}) {
    const char* how = dropped ? "dropped" : "named";
    QTest::addRow("picture, %s", how) << "cat.ems" << 24 << true << QString() << dropped;
    QTest::addRow("BMP, %s", how) << "cat.bmp" << 72 << false << QString() << dropped;
    QTest::addRow("photo, %s", how) << "cat.png" << 20 << false << "conversion" << dropped;
    QTest::addRow("C array, %s", how) << "art.h" << 40 << false << "c array import" << dropped;
    QTest::addRow("EMS element, %s", how) << "cat.txt" << 16 << false << QString() << dropped;
  }
  QTest::newRow("C array, .txt") << "art.txt" << 40 << false << "c array import" << false;
  // BMP files the one-bit import refuses come in as any image.
  QTest::newRow("24-bit BMP, two colours") << "halves.bmp" << 30 << false << QString() << false;
  QTest::newRow("24-bit BMP, a photo") << "photo.bmp" << 20 << false << "conversion" << false;
}

void Form1FilesTest::fileNamedOutsideOpensByItsType() {
  QFETCH(QString, name);
  QFETCH(int, width);
  QFETCH(bool, titled);
  QFETCH(QString, dialog);
  QFETCH(bool, dropped);
  const QString path = dir_->filePath(name);
  if (name == QLatin1String("cat.txt")) {
    QByteArray line;
    QCOMPARE(EncodeEmsElement({16, 16, PixelGrid()}, line), FormatStatus::Ok);
    Store(path, line);
  } else if (name.startsWith(QLatin1String("art."))) {
    Store(path, "#define ART_WIDTH 40\n#define ART_HEIGHT 2\nchar art[] = {" +
                    QByteArray(10, '1').replace("1", "1,") + "};");
  } else if (name.endsWith(QLatin1String(".ems"))) {
    Store(path, EncodeEms({24, 26, PixelGrid()}));
  } else if (name == QLatin1String("cat.bmp")) {
    QVERIFY(QFile::copy(QStringLiteral(TOCHKOGRAF_TEST_DATA "/bmp/w72_h14.bmp"), path));
  } else if (name == QLatin1String("halves.bmp")) {
    QImage halves(30, 20, QImage::Format_RGB32);
    halves.fill(Qt::white);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 15; ++x) halves.setPixel(x, y, qRgb(0, 0, 0));
    QVERIFY(halves.save(path));
  } else {
    QImage photo(20, 10, QImage::Format_RGB32);
    photo.fill(Qt::black);
    for (int x = 0; x < 20; ++x) photo.setPixel(x, 5, qRgb(12 * x, 100, 200));
    QVERIFY(photo.save(path));
  }
  windows_.calls.clear();
  windows_.on_conversion = [](ConversionSettings&) { return true; };
  windows_.on_c_array_import = [](CArrayReading&) { return true; };
  form_->State().IZM = kOn;
  if (dropped) {
    messages_.answers.enqueue(SaveAnswer::No);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint middle = form_->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(form_.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(form_.get(), &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE(messages_.questions.size(), 1);
  } else {
    form_->State().IZM = kOff;
    form_->OpenFile(path);
  }
  QCOMPARE(form_->State().MX, width);
  QCOMPARE(form_->State().FileName, titled ? path : kUntitled);
  QCOMPARE(windows_.calls, dialog.isEmpty() ? QStringList() : QStringList{dialog});
  QVERIFY(messages_.failures.isEmpty());
}

// After a command in another folder fails or is declined, Save still writes
// the picture's own file, and nothing in the other folder.
void Form1FilesTest::saveGoesWhereTheFileCameFrom_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QString>("chosen");  // in folder b
  QTest::newRow("failed open") << "fileopen"
                               << "bad.ems";
  QTest::newRow("declined replace") << "filesaveas"
                                    << "cat";
  QTest::newRow("failed import") << "frombmp"
                                 << "bad.ems";
}

void Form1FilesTest::saveGoesWhereTheFileCameFrom() {
  QFETCH(QString, menu);
  QFETCH(QString, chosen);
  const QDir work(dir_->path());
  QVERIFY(work.mkdir(QStringLiteral("a")) && work.mkdir(QStringLiteral("b")));
  const QString a = work.filePath(QStringLiteral("a")), b = work.filePath(QStringLiteral("b"));
  Store(a + "/cat.ems", EncodeEms({8, 8, PixelGrid()}));
  const QByteArray unrelated = EncodeEms({8, 2, PixelGrid()});
  Store(b + "/cat.ems", unrelated);
  Store(b + "/bad.ems", QByteArray::fromHex("020000"));
  dialogs_.Choose(a, {QStringLiteral("cat.ems")});
  form_->findChild<QAction*>(QStringLiteral("fileopen"))->trigger();
  form_->State().Pixels(1, 1) = kOn;
  form_->State().IZM = kOn;

  messages_.answers.enqueue(SaveAnswer::No);
  messages_.replace_answers.enqueue(false);
  dialogs_.Choose(b, {chosen});
  form_->findChild<QAction*>(menu)->trigger();
  QTest::keyClick(form_.get(), Qt::Key_S, Qt::ControlModifier);

  QCOMPARE(Contents(a + "/cat.ems"), EncodeEms({8, 8, form_->State().Pixels}));
  QCOMPARE(Contents(b + "/cat.ems"), unrelated);
  QCOMPARE(dialogs_.shown.size(), 2);  // Save asked for no name
}

// Whatever changes the picture's size, the drawing area takes the
// picture's proportions, so its cells are square, and the window stays on
// the screen. The user's own resizing keeps them square too.
void Form1FilesTest::drawingAreaFollowsPictureSize_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<QSize>("size");
  QTest::newRow("open") << "open" << QSize(128, 64);
  QTest::newRow("BMP import") << "frombmp" << QSize(72, 14);
  QTest::newRow("named on the command line") << "named" << QSize(24, 26);
  QTest::newRow("size dialog") << "size" << QSize(16, 16);
  QTest::newRow("undo of an import") << "undo" << QSize(32, 32);
}

void Form1FilesTest::drawingAreaFollowsPictureSize() {
  QFETCH(QString, how);
  QFETCH(QSize, size);
  const auto item = [this](const char* name) {
    form_->findChild<QAction*>(QLatin1String(name))->trigger();
  };
  const Pole* pole = form_->findChild<Pole*>(QStringLiteral("Pole"));
  const auto square = [&] {
    const QSize inner = pole->contentsRect().size();
    return QSize(form_->State().MX, form_->State().MY) == size &&
           inner.width() * size.height() == inner.height() * size.width();
  };
  form_->resize(form_->width() + 120, form_->height());  // the user's own resizing
  const QString path = dir_->filePath(QStringLiteral("cat.ems"));
  Store(path, EncodeEms({size.width(), size.height(), PixelGrid()}));
  dialogs_.Choose(dir_->path(), {QStringLiteral("cat.ems")});
  windows_.size_chosen = size;
  if (how == QLatin1String("open")) item("fileopen");
  if (how == QLatin1String("named")) form_->OpenFile(path);
  if (how == QLatin1String("size")) item("size");
  if (how == QLatin1String("frombmp") || how == QLatin1String("undo")) {
    dialogs_.script.clear();
    dialogs_.Choose(QStringLiteral(TOCHKOGRAF_TEST_DATA "/bmp"), {QStringLiteral("w72_h14.bmp")});
    item("frombmp");
  }
  if (how == QLatin1String("undo")) QTest::keyClick(form_.get(), Qt::Key_Z, Qt::ControlModifier);
  QTRY_VERIFY(square());
  QVERIFY(form_->screen()->availableGeometry().contains(form_->frameGeometry()));

  const QSize fitted = pole->size();
  form_->resize(form_->width() + 300, form_->height() + 300);
  QTRY_VERIFY(pole->size() != fitted);
  QVERIFY(square());
  item("filenew");
  QVERIFY(square());
}

QTEST_MAIN(Form1FilesTest)
#include "tst_form1_files.moc"
