#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>
#include <memory>

#include "commands/ems_file.h"
#include "fakes/child_process.h"
#include "fakes/document_harness.h"
#include "fakes/file_bytes.h"
#include "files/disk/file_size_signal.h"
#include "files/formats/ems_animation.h"
#include "files/formats/ems_format.h"
#include "files/status_texts.h"
#include "picture/frames.h"

using namespace tochkograf;

namespace {

// A drawn picture with unsaved changes, named `name`.
void Draw(DocumentHarness& h, const QString& name, int width = 72, int height = 14) {
  h.state.MX = width;
  h.state.MY = height;
  FillRandom(h.state.Pixels, width * 97 + height);
  h.state.IZM = kOn;
  h.state.FileName = name;
}

// What a failed save must look like from inside: false, the message once
// with `why` beside the name, the changes still marked, the caption
// untouched.
int FailedSaveCode(const QString& name, FileStatus why) {
  DocumentHarness h;
  Draw(h, name, 128, 96);
  if (WriteEmsFile(h.context, name)) return 1;
  if (!h.messages.ToldOnce(kWriteFailure, name, WriteFailureReason(why))) return 2;
  if (h.state.IZM != kOn || h.state.FileName != name) return 3;
  return h.caption.captions.isEmpty() ? 0 : 4;
}

// A picture of `size` saved to `name` by a child of the test: 0 when it was
// saved and the file holds it; else what went wrong.
int SavedCode(const QString& name, QSize size) {
  DocumentHarness h;
  Draw(h, name, size.width(), size.height());
  if (!WriteEmsFile(h.context, name)) return 1;
  if (!h.messages.failures.isEmpty()) return 2;
  return Contents(name) == EncodeEms({size.width(), size.height(), h.state.Pixels}) ? 0 : 3;
}

}  // namespace

class EmsFileTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void writesBytesAndMarksSaved();
  void readsPictureWithSnapshotAndRedraw();
  void framesSavedAndOpened();
  void namesWithSpacesAndCyrillic();
  void failedReadChangesNothing_data();
  void failedReadChangesNothing();
  void failedWriteKeepsOldFile_data();
  void failedWriteKeepsOldFile();
  void savesOnReadOnlyPlaces();
  void writesInPlaceInClosedFolder_data();
  void writesInPlaceInClosedFolder();
  void saveKeepsPermissionBits();
  void failedWriteOnFullDisk();
  void fifoIsRefusedWithoutWaiting();
  void unreadableFileChangesNothing();

 private:
  std::unique_ptr<QTemporaryDir> dir_;
};

void EmsFileTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  QVERIFY(dir_->isValid());
  // The unprivileged child must be able to reach the folders inside.
  QFile::setPermissions(dir_->path(),
                        QFile::permissions(dir_->path()) | QFile::ExeOther | QFile::ReadOther);
  QVERIFY(QDir::setCurrent(dir_->path()));
}

void EmsFileTest::cleanup() {
  QDir::setCurrent(QDir::tempPath());
  QFile::setPermissions(dir_->filePath(QStringLiteral("closed")),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  dir_.reset();
}

void EmsFileTest::writesBytesAndMarksSaved() {
  for (const QSize size : {QSize(8, 2), QSize(10, 2), QSize(72, 14), QSize(128, 96), QSize(1, 1)}) {
    DocumentHarness h;
    Draw(h, QStringLiteral("cat.ems"), size.width(), size.height());
    QVERIFY(WriteEmsFile(h.context, QStringLiteral("cat.ems")));
    QCOMPARE(Contents(QStringLiteral("cat.ems")),
             EncodeEms({size.width(), size.height(), h.state.Pixels}));
    QCOMPARE(h.state.IZM, kOff);
    QCOMPARE(h.caption.captions, QStringList{QStringLiteral("cat - Tochkograf")});
    QVERIFY(h.messages.failures.isEmpty());
  }
}

void EmsFileTest::readsPictureWithSnapshotAndRedraw() {
  DocumentHarness writer;
  Draw(writer, QStringLiteral("cat.ems"), 16, 16);
  QVERIFY(WriteEmsFile(writer.context, QStringLiteral("cat.ems")));

  DocumentHarness h;
  h.state.Pixels(40, 40) = kOn;  // outside 16 x 16: must survive the read
  h.state.IZM = kOn;
  QVERIFY(ReadEmsFile(h.context, QStringLiteral("cat.ems")));
  QCOMPARE(h.state.MX, 16);
  QCOMPARE(h.state.MY, 16);
  QCOMPARE(h.state.IZM, kOff);
  for (int y = 1; y <= 16; ++y)
    for (int x = 1; x <= 16; ++x) QCOMPARE(h.state.Pixels(x, y), writer.state.Pixels(x, y));
  QCOMPARE(h.state.Pixels(40, 40), kOn);
  QVERIFY(h.state.Undo.Pixels == h.state.Pixels);
  QCOMPARE(h.view.whole_repaints, 1);
  QCOMPARE(h.view.size_label, QStringLiteral(" 16 x 16"));
  QVERIFY(h.messages.failures.isEmpty());
}

void EmsFileTest::framesSavedAndOpened() {
  DocumentHarness writer;
  Draw(writer, QStringLiteral("walk.ems"), 16, 16);
  const Picture first{16, 16, writer.state.Pixels};
  AddBlankFrame(writer.state);
  writer.state.Pixels(3, 4) = kOn;
  writer.state.Frames[1].duration = 100;
  AddFrameCopy(writer.state);
  writer.state.Frames[2].duration = 10000;
  GoToFrame(writer.state, 1);
  QVERIFY(WriteEmsFile(writer.context, QStringLiteral("walk.ems")));
  QVERIFY(Contents(QStringLiteral("walk.ems")).startsWith(EncodeEms(first)));

  DocumentHarness h;
  AddFrameCopy(h.state);
  QVERIFY(ReadEmsFile(h.context, QStringLiteral("walk.ems")));
  QCOMPARE(FrameCount(h.state), 3);
  QCOMPARE(h.state.CurrentFrame, 0);
  const auto frame = [](const DocumentState& state, int i) {
    Picture picture{16, 16, {}};
    FrameCells(state, i).CopyTo(picture.cells);
    return picture;
  };
  for (int i = 0; i < 3; ++i) {
    QVERIFY(frame(h.state, i) == frame(writer.state, i));
    QCOMPARE(h.state.Frames[i].duration, writer.state.Frames[i].duration);
  }
  QVERIFY(h.state.Undo.Frames == h.state.Frames);

  DocumentHarness still;
  Draw(still, QStringLiteral("still.ems"));
  QVERIFY(WriteEmsFile(still.context, QStringLiteral("still.ems")));
  QVERIFY(ReadEmsFile(h.context, QStringLiteral("still.ems")));
  QCOMPARE(FrameCount(h.state), 1);
}

void EmsFileTest::namesWithSpacesAndCyrillic() {
  for (const QString& name :
       {QStringLiteral("мой рисунок.ems"), QStringLiteral("a b  c.ems"), QStringLiteral("кот")}) {
    DocumentHarness writer;
    Draw(writer, name);
    QVERIFY(WriteEmsFile(writer.context, name));
    DocumentHarness reader;
    QVERIFY2(ReadEmsFile(reader.context, name), qPrintable(name));
    QCOMPARE(EncodeEms({72, 14, reader.state.Pixels}), EncodeEms({72, 14, writer.state.Pixels}));
  }
}

void EmsFileTest::failedReadChangesNothing_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("bytes");  // "<none>": no such file; "<dir>": a folder
  QTest::addColumn<QString>("reason");
  const QString bad = QStringLiteral("bad.ems");
  const QString size = FormatFailureReason(FormatStatus::BadSize);
  const QString cut = FormatFailureReason(FormatStatus::Truncated);
  QTest::newRow("no such file") << bad << QByteArray("<none>")
                                << ReadFailureReason(FileStatus::Missing);
  QTest::newRow("no such folder") << "no/bad.ems" << QByteArray("<none>")
                                  << ReadFailureReason(FileStatus::Missing);
  QTest::newRow("a folder") << bad << QByteArray("<dir>")
                            << ReadFailureReason(FileStatus::NotAFile);
  QTest::newRow("name too long") << QString(256, QLatin1Char('x')) << QByteArray("<none>")
                                 << ReadFailureReason(FileStatus::NameTooLong);
  QTest::newRow("path too long") << QStringLiteral("a/").repeated(2100) + bad
                                 << QByteArray("<none>")
                                 << ReadFailureReason(FileStatus::NameTooLong);
  QTest::newRow("empty") << bad << QByteArray() << cut;
  QTest::newRow("width 0") << bad << QByteArray::fromHex("020010") + QByteArray(100, 1) << size;
  QTest::newRow("width 129") << bad << QByteArray::fromHex("028110") + QByteArray(1000, 1) << size;
  QTest::newRow("height 0") << bad << QByteArray::fromHex("021000") + QByteArray(100, 1) << size;
  QTest::newRow("height 97") << bad << QByteArray::fromHex("021061") + QByteArray(1000, 1) << size;
  QTest::newRow("truncated") << bad << QByteArray::fromHex("022020") + QByteArray(100, 1) << cut;
  EmsAnimation two;
  two.first = {8, 2, {}};
  two.durations = {500, 500};
  two.further = {PackedBlock()};
  const QByteArray frames = EncodeEmsAnimation(two);
  QTest::newRow("frames cut short") << bad << frames.left(frames.size() - 1) << cut;
  QTest::newRow("frames and a megabyte more")
      << bad << frames + QByteArray(1 << 20, 'x') << FormatFailureReason(FormatStatus::Damaged);
  QTest::newRow("frames damaged") << bad << frames.left(frames.size() - 1) + '?'
                                  << FormatFailureReason(FormatStatus::Damaged);
}

void EmsFileTest::failedReadChangesNothing() {
  QFETCH(QString, name);
  QFETCH(QByteArray, bytes);
  QFETCH(QString, reason);
  if (bytes == "<dir>")
    QVERIFY(QDir().mkdir(name));
  else if (bytes != "<none>")
    Store(name, bytes);

  DocumentHarness h;
  Draw(h, QStringLiteral("old.ems"));
  AddFrameCopy(h.state);
  FillRandom(h.state.Undo.Pixels, 3);
  const DocumentState before = h.state;
  QVERIFY(!ReadEmsFile(h.context, name));
  QVERIFY(SameDocument(h.state, before));
  QVERIFY2(h.messages.ToldOnce(kReadFailure, name, reason),
           qPrintable(h.messages.failures.join('|')));
  QVERIFY(h.caption.captions.isEmpty());
  QCOMPARE(h.view.whole_repaints, 0);
}

void EmsFileTest::failedWriteKeepsOldFile_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<FileStatus>("why");
  QTest::newRow("target is a folder") << QStringLiteral("folder.ems") << FileStatus::NotAFile;
  QTest::newRow("folder that does not exist")
      << QStringLiteral("no/such/folder/cat.ems") << FileStatus::Missing;
  QTest::newRow("name too long") << QString(300, QLatin1Char('x')) + QStringLiteral(".ems")
                                 << FileStatus::NameTooLong;
  QTest::newRow("folder's name too long")
      << QString(300, QLatin1Char('x')) + QStringLiteral("/cat.ems") << FileStatus::NameTooLong;
  // Room for the name itself, not for a longer one made from it.
  QTest::newRow("longest name") << QString(255, QLatin1Char('x')) << FileStatus::Ok;
}

void EmsFileTest::failedWriteKeepsOldFile() {
  QFETCH(QString, name);
  QFETCH(FileStatus, why);
  QVERIFY(QDir().mkdir(QStringLiteral("folder.ems")));
  if (why == FileStatus::Ok) {
    QCOMPARE(SavedCode(name, QSize(8, 8)), 0);
    QVERIFY(QFile::remove(name));
  } else {
    QCOMPARE(FailedSaveCode(name, why), 0);
  }
  QVERIFY(QFileInfo(QStringLiteral("folder.ems")).isDir());
  QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList());
}

// A read-only file refuses the save; a writable file in a read-only folder
// takes it in place, since nothing new can be made beside it.
void EmsFileTest::savesOnReadOnlyPlaces() {
  const QByteArray old = EncodeEms({16, 16, PixelGrid()}) + "kept";
  // A read-only file in a folder the user may write in.
  QVERIFY(QDir().mkdir(QStringLiteral("open")));
  const QString file = dir_->filePath(QStringLiteral("open/old.ems"));
  Store(file, old);
  HandToChild(QFile::encodeName(dir_->filePath(QStringLiteral("open"))));
  HandToChild(QFile::encodeName(file));
  QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadOther);
  // A read-only folder, with a writable file in it and a new name.
  QVERIFY(QDir().mkdir(QStringLiteral("closed")));
  const QString inside = dir_->filePath(QStringLiteral("closed/old.ems"));
  Store(inside, old);
  HandToChild(QFile::encodeName(dir_->filePath(QStringLiteral("closed"))));
  HandToChild(QFile::encodeName(inside));
  QFile::setPermissions(dir_->filePath(QStringLiteral("closed")),
                        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);

  for (const QString& name : {file, dir_->filePath(QStringLiteral("closed/new.ems"))})
    QCOMPARE(RunInChild([&] { return FailedSaveCode(name, FileStatus::NoPermission); },
                        {.unprivileged = true}),
             0);
  QCOMPARE(Contents(file), old);
  QCOMPARE(RunInChild([&] { return SavedCode(inside, QSize(72, 14)); }, {.unprivileged = true}), 0);
  QCOMPARE(QDir(dir_->filePath(QStringLiteral("closed"))).entryList(QDir::Files | QDir::Hidden),
           QStringList{QStringLiteral("old.ems")});
}

// Where the folder takes no new file, the old one is written in place: a
// write cut short by a file-size limit puts the old bytes back, and a file
// written whole is saved, also where its owner's bits cannot be set again.
void EmsFileTest::writesInPlaceInClosedFolder_data() {
  QTest::addColumn<QByteArray>("old");
  QTest::addColumn<long>("limit");
  QTest::addColumn<bool>("ours");  // the file belongs to the user who saves
  QTest::addColumn<FileStatus>("why");
  QTest::newRow("longer than the old file") << QByteArray(39, 'o') << -1L << true << FileStatus::Ok;
  QTest::newRow("shorter than the old file")
      << QByteArray(2000, 'o') << -1L << true << FileStatus::Ok;
  QTest::newRow("file-size limit") << QByteArray(700, 'o') << 1000L << true << FileStatus::TooLarge;
  QTest::newRow("another user's file") << QByteArray(39, 'o') << -1L << false << FileStatus::Ok;
}

void EmsFileTest::writesInPlaceInClosedFolder() {
  QFETCH(QByteArray, old);
  QFETCH(long, limit);
  QFETCH(bool, ours);
  QFETCH(FileStatus, why);
  if (!ours && !RunningAsRoot()) QSKIP("only root can give a file to another user");
  QVERIFY(QDir().mkdir(QStringLiteral("closed")));
  const QString folder = dir_->filePath(QStringLiteral("closed"));
  const QString name = folder + QStringLiteral("/old.ems");
  Store(name, old);
  if (ours) HandToChild(QFile::encodeName(name));
  QCOMPARE(chmod(QFile::encodeName(name).constData(), 0666), 0);
  HandToChild(QFile::encodeName(folder));
  QCOMPARE(chmod(QFile::encodeName(folder).constData(), 0555), 0);

  const int code = RunInChild(
      [&] {
        IgnoreFileSizeSignal();
        return why == FileStatus::Ok ? SavedCode(name, QSize(72, 14)) : FailedSaveCode(name, why);
      },
      {.unprivileged = true, .file_size_limit = limit});
  QCOMPARE(code, 0);
  if (why != FileStatus::Ok) QCOMPARE(Contents(name), old);
  QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
           QStringList{QStringLiteral("old.ems")});
  struct stat saved {};
  QCOMPARE(stat(QFile::encodeName(name).constData(), &saved), 0);
  QCOMPARE(saved.st_mode & 07777, mode_t(0666));
}

// A save keeps the permission bits of the file it replaces, read-only ones
// too where the user may still write (root).
void EmsFileTest::saveKeepsPermissionBits() {
  for (const mode_t mode : {0604, 0444}) {
    if (!(mode & S_IWUSR) && !RunningAsRoot()) continue;
    Store(QStringLiteral("cat.ems"), "old");
    QCOMPARE(chmod("cat.ems", mode), 0);
    DocumentHarness h;
    Draw(h, QStringLiteral("cat.ems"));
    QVERIFY(WriteEmsFile(h.context, QStringLiteral("cat.ems")));
    struct stat saved {};
    QCOMPARE(stat("cat.ems", &saved), 0);
    QCOMPARE(saved.st_mode & 07777, mode);
  }
}

void EmsFileTest::failedWriteOnFullDisk() {
  const QByteArray old(700, 'o');
  Store(QStringLiteral("full.ems"), old);
  // The 1539 bytes of the largest picture do not fit under the limit. The
  // child starts as the program does, with the signal the limit raises at
  // its default, which would end it.
  QCOMPARE(RunInChild(
               [] {
                 IgnoreFileSizeSignal();
                 return FailedSaveCode(QStringLiteral("full.ems"), FileStatus::TooLarge);
               },
               {.file_size_limit = 1000}),
           0);
  QCOMPARE(Contents(QStringLiteral("full.ems")), old);
  QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("full.ems")});
}

// Opening a FIFO would wait for a writer that never comes.
void EmsFileTest::fifoIsRefusedWithoutWaiting() {
  QCOMPARE(mkfifo("pipe.ems", 0600), 0);
  const int code = RunInChild([] {
    alarm(2);  // a child left waiting is ended, and the test fails
    DocumentHarness h;
    Draw(h, QStringLiteral("old.ems"));
    const DocumentState before = h.state;
    if (ReadEmsFile(h.context, QStringLiteral("pipe.ems"))) return 1;
    if (!SameDocument(h.state, before)) return 2;
    return h.messages.ToldOnce(kReadFailure, QStringLiteral("pipe.ems"),
                               ReadFailureReason(FileStatus::NotAFile))
               ? 0
               : 3;
  });
  QCOMPARE(code, 0);
}

void EmsFileTest::unreadableFileChangesNothing() {
  const QString name = dir_->filePath(QStringLiteral("locked.ems"));
  Store(name, EncodeEms({16, 16, PixelGrid()}));
  HandToChild(QFile::encodeName(name));
  QFile::setPermissions(name, QFileDevice::Permissions());
  const int code = RunInChild(
      [&] {
        DocumentHarness h;
        Draw(h, QStringLiteral("old.ems"));
        const DocumentState before = h.state;
        if (ReadEmsFile(h.context, name)) return 1;
        if (!SameDocument(h.state, before)) return 2;
        return h.messages.ToldOnce(kReadFailure, name, ReadFailureReason(FileStatus::NoPermission))
                   ? 0
                   : 3;
      },
      {.unprivileged = true});
  QCOMPARE(code, 0);
}

QTEST_GUILESS_MAIN(EmsFileTest)
#include "tst_ems_file.moc"
