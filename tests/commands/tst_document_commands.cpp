#include <QtTest>
#include <memory>

#include "commands/document_commands.h"
#include "commands/ems_file.h"
#include "commands/transfer/bmp_import.h"
#include "fakes/document_harness.h"
#include "fakes/file_bytes.h"
#include "fakes/scripted_file_dialogs.h"
#include "files/formats/ems_format.h"
#include "files/status_texts.h"
#include "picture/frames.h"

using namespace tochkograf;

namespace {

// The types Open and Save as offer, in order.
FilterTable PictureFilters() {
  return {{QStringLiteral("EMS-рисунок (EMS)"), {QStringLiteral("*.ems")}},
          {QStringLiteral("Все файлы"), {QStringLiteral("*")}}};
}

// The main window's commands over a harness, with file dialogs starting in
// `program_folder`.
struct Commands {
  explicit Commands(const QString& program_folder)
      : commands(h.context, dialogs, program_folder, &owner) {}

  // A drawing with unsaved changes.
  void Draw(const QString& name = kUntitled) {
    h.state.MX = 72;
    h.state.MY = 14;
    FillRandom(h.state.Pixels, 11);
    FillRandom(h.state.Undo.Pixels, 12);
    FillRandom(h.state.ClipPixels, 13);
    h.state.FileName = name;
    h.state.IZM = kOn;
  }

  DocumentHarness h;
  ScriptedFileDialogs dialogs;
  QObject owner;
  DocumentCommands commands;
};

bool BlockClear(const PixelGrid& grid) {
  for (int y = 1; y < PixelGrid::kRows; ++y)
    for (int x = 1; x < PixelGrid::kColumns; ++x)
      if (grid(x, y) != kOff) return false;
  return true;
}

}  // namespace

class DocumentCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void newClearsEverythingButSize();
  void newAsksAndFollowsAnswer_data();
  void newAsksAndFollowsAnswer();
  void openShowsDialogAndReadsFirstName();
  void openAsksFirstAndStopsOnCancel();
  void openFailureKeepsNameAndCaption();
  void saveWritesTitledPictureWithoutQuestion();
  void saveAsAppendsExtensionWhenNoFullStop_data();
  void saveAsAppendsExtensionWhenNoFullStop();
  void saveAsAsksBeforeReplacingAppendedName();
  void saveAsCancelledChangesNothing();
  void failedWriteKeepsOldNameAndChanges();
  void saveAsOntoFolderSaysSo();
  void openGivenFile_data();
  void openGivenFile();
  void dialogsStartWhereThePictureIs();
  void closingAsksLikeExit_data();
  void closingAsksLikeExit();

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString pics_;
};

void DocumentCommandsTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  QVERIFY(dir_->isValid());
  QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("program")));
  QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("pics")));
  pics_ = dir_->filePath(QStringLiteral("pics"));
  QVERIFY(QDir::setCurrent(dir_->path()));
}

void DocumentCommandsTest::cleanup() {
  QDir::setCurrent(QDir::tempPath());
  dir_.reset();
}

void DocumentCommandsTest::newClearsEverythingButSize() {
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.Draw(QStringLiteral("cat.ems"));
  c.h.state.IZM = kOff;
  c.h.state.Pixels(0, 5) = kOn;  // outside every picture: left alone
  AddFrameCopy(c.h.state);
  c.h.state.Frames[0].duration = 200;

  c.commands.filenew();

  const DocumentState& s = c.h.state;
  QVERIFY(c.h.messages.questions.isEmpty());
  QCOMPARE(s.MX, 72);
  QCOMPARE(s.MY, 14);
  QCOMPARE(s.FileName, kUntitled);
  QCOMPARE(s.IZM, kOff);
  QVERIFY(BlockClear(s.Pixels) && BlockClear(s.Undo.Pixels) && BlockClear(s.ClipPixels));
  QCOMPARE(QSize(s.Undo.MX, s.Undo.MY), QSize(72, 14));
  QVERIFY(s.Frames == std::vector<AnimationFrame>(1) && s.Undo.Frames == s.Frames);
  QCOMPARE(s.Pixels(0, 5), kOn);
  QCOMPARE(c.h.view.whole_repaints, 1);
  QVERIFY(c.h.caption.captions.isEmpty());  // keeps showing the old name
}

void DocumentCommandsTest::newAsksAndFollowsAnswer_data() {
  QTest::addColumn<int>("answer");
  QTest::addColumn<QString>("name");        // the drawing's file name
  QTest::addColumn<bool>("saveAsChooses");  // the Save as dialog is confirmed
  QTest::addColumn<bool>("cleared");
  QTest::addColumn<bool>("written");
  QTest::newRow("Cancel") << int(SaveAnswer::Cancel) << "cat.ems" << false << false << false;
  QTest::newRow("No") << int(SaveAnswer::No) << "cat.ems" << false << true << false;
  QTest::newRow("Yes, titled") << int(SaveAnswer::Yes) << "cat.ems" << false << true << true;
  QTest::newRow("Yes, untitled, saved as") << int(SaveAnswer::Yes) << "*" << true << true << true;
  QTest::newRow("Yes, untitled, Save as cancelled")
      << int(SaveAnswer::Yes) << "*" << false << false << false;
  QTest::newRow("Yes, write fails")
      << int(SaveAnswer::Yes) << "no/such/folder/cat.ems" << false << false << false;
}

void DocumentCommandsTest::newAsksAndFollowsAnswer() {
  QFETCH(int, answer);
  QFETCH(QString, name);
  QFETCH(bool, saveAsChooses);
  QFETCH(bool, cleared);
  QFETCH(bool, written);
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.Draw(name);
  c.h.messages.answers.enqueue(SaveAnswer(answer));
  if (saveAsChooses) c.dialogs.Choose(pics_, {QStringLiteral("new")});
  const DocumentState before = c.h.state;

  c.commands.filenew();

  QCOMPARE(c.h.messages.questions, QStringList{QStringLiteral("Создание нового рисунка")});
  if (cleared) {
    QVERIFY(BlockClear(c.h.state.Pixels));
    QCOMPARE(c.h.state.IZM, kOff);
  } else {
    QVERIFY(SameDocument(c.h.state, before));
  }
  const QString saved = saveAsChooses ? pics_ + QStringLiteral("/new.ems") : name;
  QCOMPARE(QFileInfo::exists(saved), written);
  if (written) QCOMPARE(Contents(saved), EncodeEms({72, 14, before.Pixels}));
}

void DocumentCommandsTest::openShowsDialogAndReadsFirstName() {
  PixelGrid picture;
  FillRandom(picture, 4);
  Store(pics_ + QStringLiteral("/abcdef"), EncodeEms({24, 26, picture}));
  Store(pics_ + QStringLiteral("/other.ems"), EncodeEms({16, 16, PixelGrid()}));
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.h.state.IZM = kOff;
  c.dialogs.Choose(pics_, {QStringLiteral("abcdef"), QStringLiteral("other.ems")});

  c.commands.fileopen();

  QVERIFY(c.h.messages.questions.isEmpty());
  QCOMPARE(c.dialogs.saves, QList<bool>{false});
  const FileDialogRequest& shown = c.dialogs.shown[0];
  QCOMPARE(shown.folder, dir_->filePath(QStringLiteral("program")));
  QCOMPARE(shown.filters, PictureFilters());
  QCOMPARE(shown.filter, 0);
  QCOMPARE(shown.owner, &c.owner);
  QCOMPARE(c.h.state.FileName, pics_ + QStringLiteral("/abcdef"));
  QCOMPARE(c.h.state.MX, 24);
  QCOMPARE(c.h.state.MY, 26);
  QCOMPARE(c.h.caption.current, QStringLiteral("abcdef - Tochkograf"));
}

void DocumentCommandsTest::openAsksFirstAndStopsOnCancel() {
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.Draw(QStringLiteral("cat.ems"));
  const DocumentState before = c.h.state;

  c.h.messages.answers.enqueue(SaveAnswer::Cancel);
  c.commands.fileopen();
  QVERIFY(c.dialogs.shown.isEmpty());

  c.h.messages.answers.enqueue(SaveAnswer::No);
  c.dialogs.Cancel();
  c.commands.fileopen();
  QCOMPARE(c.dialogs.shown.size(), 1);

  // Yes on an untitled drawing whose Save as is cancelled: no open dialog.
  c.h.state.FileName = kUntitled;
  c.h.messages.answers.enqueue(SaveAnswer::Yes);
  c.dialogs.Cancel();
  c.commands.fileopen();
  QCOMPARE(c.dialogs.saves, (QList<bool>{false, true}));

  c.h.state.FileName = before.FileName;
  QVERIFY(SameDocument(c.h.state, before));
  QCOMPARE(c.h.messages.questions, QStringList(3, QStringLiteral("Открытие нового файла")));
  QVERIFY(c.h.caption.captions.isEmpty());
}

void DocumentCommandsTest::openFailureKeepsNameAndCaption() {
  Store(pics_ + QStringLiteral("/bad.ems"), QByteArray::fromHex("020000"));
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.Draw(QStringLiteral("cat.ems"));
  c.h.messages.answers.enqueue(SaveAnswer::No);
  c.dialogs.Choose(pics_, {QStringLiteral("bad.ems")});
  const DocumentState before = c.h.state;

  c.commands.fileopen();

  QVERIFY(SameDocument(c.h.state, before));
  QVERIFY(c.h.messages.ToldOnce(kReadFailure, QStringLiteral("bad.ems"),
                                FormatFailureReason(FormatStatus::BadSize)));
  QVERIFY(c.h.caption.captions.isEmpty());
}

void DocumentCommandsTest::saveWritesTitledPictureWithoutQuestion() {
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.Draw(QStringLiteral("cat.ems"));
  c.h.state.IZM = kOff;
  QVERIFY(c.commands.filesave());
  QCOMPARE(Contents(QStringLiteral("cat.ems")), EncodeEms({72, 14, c.h.state.Pixels}));
  QVERIFY(c.dialogs.shown.isEmpty());
  QVERIFY(c.h.messages.questions.isEmpty());
  QCOMPARE(c.h.caption.current, QStringLiteral("cat - Tochkograf"));

  c.h.state.FileName = kUntitled;  // untitled: Save runs Save as
  c.dialogs.Cancel();
  QVERIFY(!c.commands.filesave());
  QCOMPARE(c.dialogs.saves, QList<bool>{true});
}

void DocumentCommandsTest::saveAsAppendsExtensionWhenNoFullStop_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("caption");
  QTest::newRow("bare name") << "pic"
                             << "pic.ems"
                             << "pic - Tochkograf";
  QTest::newRow("other extension") << "my.picture"
                                   << "my.picture"
                                   << "my.picture - Tochkograf";
  QTest::newRow("with extension") << "cat.ems"
                                  << "cat.ems"
                                  << "cat - Tochkograf";
  QTest::newRow("Cyrillic, spaces") << "мой кот"
                                    << "мой кот.ems"
                                    << "мой кот - Tochkograf";
  QTest::newRow("short name with stop") << "a.b"
                                        << "a.b"
                                        << "a.b - Tochkograf";
}

void DocumentCommandsTest::saveAsAppendsExtensionWhenNoFullStop() {
  QFETCH(QString, typed);
  QFETCH(QString, file);
  QFETCH(QString, caption);
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.Draw();
  c.dialogs.Choose(pics_, {typed});

  QVERIFY(c.commands.filesaveas());

  QCOMPARE(c.dialogs.shown[0].title, QStringLiteral("Сохранить файл"));
  QCOMPARE(c.dialogs.shown[0].folder, dir_->filePath(QStringLiteral("program")));
  QCOMPARE(c.dialogs.shown[0].filters, PictureFilters());
  QVERIFY(c.dialogs.shown[0].ask_before_replacing);
  QCOMPARE(c.h.state.FileName, pics_ + QLatin1Char('/') + file);
  QCOMPARE(Contents(pics_ + QLatin1Char('/') + file), EncodeEms({72, 14, c.h.state.Pixels}));
  QCOMPARE(c.h.state.IZM, kOff);
  QCOMPARE(c.h.caption.current, caption);
  QVERIFY(c.h.messages.replace_questions.isEmpty());
}

void DocumentCommandsTest::saveAsAsksBeforeReplacingAppendedName() {
  const QByteArray old("an older picture");
  Store(pics_ + QStringLiteral("/pic.ems"), old);
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.Draw(QStringLiteral("cat.ems"));

  c.dialogs.Choose(pics_, {QStringLiteral("pic")});
  c.h.messages.replace_answers.enqueue(false);
  QVERIFY(!c.commands.filesaveas());
  QCOMPARE(c.h.messages.replace_questions, QStringList{QStringLiteral("Сохранить файл|pic.ems")});
  QCOMPARE(Contents(pics_ + QStringLiteral("/pic.ems")), old);
  QCOMPARE(c.h.state.FileName, QStringLiteral("cat.ems"));
  QCOMPARE(c.h.state.IZM, kOn);

  c.dialogs.Choose(pics_, {QStringLiteral("pic")});
  c.h.messages.replace_answers.enqueue(true);
  QVERIFY(c.commands.filesaveas());
  QCOMPARE(Contents(pics_ + QStringLiteral("/pic.ems")), EncodeEms({72, 14, c.h.state.Pixels}));
}

void DocumentCommandsTest::saveAsCancelledChangesNothing() {
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.Draw(QStringLiteral("cat.ems"));
  const DocumentState before = c.h.state;
  c.dialogs.Cancel();
  QVERIFY(!c.commands.filesaveas());
  QVERIFY(SameDocument(c.h.state, before));
  QVERIFY(c.h.caption.captions.isEmpty());
}

// The picture stays the old file's, as the caption says: the next Save
// writes there.
void DocumentCommandsTest::failedWriteKeepsOldNameAndChanges() {
  QVERIFY(QDir(pics_).mkdir(QStringLiteral("taken.ems")));  // a folder of that name
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.Draw(QStringLiteral("cat.ems"));
  c.dialogs.Choose(pics_, {QStringLiteral("taken.ems")});
  QVERIFY(!c.commands.filesaveas());
  QVERIFY(c.h.messages.ToldOnce(kWriteFailure, QStringLiteral("taken.ems"),
                                WriteFailureReason(FileStatus::NotAFile)));
  QCOMPARE(c.h.state.FileName, QStringLiteral("cat.ems"));
  QCOMPARE(c.h.state.IZM, kOn);
  QVERIFY(c.h.caption.captions.isEmpty());
  QVERIFY(c.commands.filesave());
  QCOMPARE(Contents(QStringLiteral("cat.ems")), EncodeEms({72, 14, c.h.state.Pixels}));
}

// "taken" would be saved as "taken.ems", which is a folder: nothing to ask.
void DocumentCommandsTest::saveAsOntoFolderSaysSo() {
  QVERIFY(QDir(pics_).mkdir(QStringLiteral("taken.ems")));
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.Draw(QStringLiteral("cat.ems"));
  const DocumentState before = c.h.state;
  c.dialogs.Choose(pics_, {QStringLiteral("taken")});
  QVERIFY(!c.commands.filesaveas());
  QVERIFY(SameDocument(c.h.state, before));
  QCOMPARE(c.h.messages.failures.size(), 1);
  QVERIFY(c.h.messages.failures[0].contains(QStringLiteral("taken.ems")));
  QVERIFY(c.h.messages.replace_questions.isEmpty());
}

// Dialogs start in the picture's folder, else in the last folder a command
// used, else where the program started; a failed command is not "used".
void DocumentCommandsTest::dialogsStartWhereThePictureIs() {
  const QString other = dir_->filePath(QStringLiteral("other"));
  QVERIFY(QDir().mkpath(other));
  Store(pics_ + QStringLiteral("/a.ems"), EncodeEms({16, 16, PixelGrid()}));
  Store(other + QStringLiteral("/bad.ems"), QByteArray::fromHex("020000"));
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.dialogs.Choose(other, {QStringLiteral("bad.ems")});  // fails
  c.commands.fileopen();
  c.dialogs.Choose(pics_, {QStringLiteral("a.ems")});
  c.commands.fileopen();
  c.commands.filenew();
  c.dialogs.Cancel();
  c.commands.fileopen();
  c.h.state.FileName = other + QStringLiteral("/b.ems");
  c.dialogs.Cancel();
  c.commands.filesaveas();
  QStringList starts;
  for (const FileDialogRequest& shown : c.dialogs.shown) starts << shown.folder;
  QCOMPARE(starts, (QStringList{dir_->filePath(QStringLiteral("program")),
                                dir_->filePath(QStringLiteral("program")), pics_, other}));
}

void DocumentCommandsTest::closingAsksLikeExit_data() {
  QTest::addColumn<bool>("changed");
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("saveAsChooses");
  QTest::addColumn<bool>("closes");
  QTest::newRow("nothing to save") << false << int(SaveAnswer::Cancel) << false << true;
  QTest::newRow("Cancel") << true << int(SaveAnswer::Cancel) << false << false;
  QTest::newRow("No") << true << int(SaveAnswer::No) << false << true;
  QTest::newRow("Yes, saved") << true << int(SaveAnswer::Yes) << true << true;
  QTest::newRow("Yes, Save as cancelled") << true << int(SaveAnswer::Yes) << false << false;
}

void DocumentCommandsTest::closingAsksLikeExit() {
  QFETCH(bool, changed);
  QFETCH(int, answer);
  QFETCH(bool, saveAsChooses);
  QFETCH(bool, closes);
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.Draw();
  c.h.state.IZM = changed ? kOn : kOff;
  c.h.messages.answers.enqueue(SaveAnswer(answer));
  if (saveAsChooses) c.dialogs.Choose(pics_, {QStringLiteral("last")});

  QCOMPARE(c.commands.MayClose(), closes);
  QCOMPARE(c.h.messages.questions, changed ? QStringList{QStringLiteral("Выход")} : QStringList());
  QCOMPARE(QFileInfo::exists(pics_ + QStringLiteral("/last.ems")), saveAsChooses);
}

// A file named on the command line: a picture is opened, a BMP imported
// untitled, anything else refused with the message of the command it is for.
void DocumentCommandsTest::openGivenFile_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<int>("width");  // 0: refused
  QTest::addColumn<bool>("titled");
  QTest::addColumn<QString>("failure");
  const QByteArray ems = EncodeEms({24, 26, PixelGrid()});
  const QString data = QStringLiteral(TOCHKOGRAF_TEST_DATA "/bmp/");
  const QByteArray bmp = Contents(data + "w72_h14.bmp");
  QTest::newRow("picture") << "cat.ems" << ems << 24 << true << QString();
  QTest::newRow("picture, no extension") << "cat" << ems << 24 << true << QString();
  QTest::newRow("BMP") << "w72_h14.bmp" << bmp << 72 << false << QString();
  QTest::newRow("BMP, no extension") << "w72_h14" << bmp << 72 << false << QString();
  QTest::newRow("bad picture") << "bad.ems" << QByteArray("\2\0\0") << 0 << false << kReadFailure;
  QTest::newRow("24-bit BMP") << "deep.bmp" << Contents(data + "w8_h8_24bit.bmp") << 0 << false
                              << kImportFailure;
}

void DocumentCommandsTest::openGivenFile() {
  QFETCH(QString, name);
  QFETCH(QByteArray, bytes);
  QFETCH(int, width);
  QFETCH(bool, titled);
  QFETCH(QString, failure);
  const QString path = pics_ + QLatin1Char('/') + name;
  Store(path, bytes);
  Commands c(dir_->filePath(QStringLiteral("program")));
  c.commands.OpenGiven(QStringLiteral("pics/") + name);  // relative to where it started
  QCOMPARE(c.h.state.MX, width ? width : 32);
  QCOMPARE(c.h.state.FileName, titled ? path : kUntitled);
  QCOMPARE(c.h.messages.Sentences(), failure.isEmpty() ? QStringList() : QStringList{failure});
  QVERIFY(c.h.messages.questions.isEmpty());
}

QTEST_GUILESS_MAIN(DocumentCommandsTest)
#include "tst_document_commands.moc"
