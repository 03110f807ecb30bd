#include <QAction>
#include <QtTest>
#include <memory>

#include "commands/recovery.h"
#include "fakes/child_process.h"
#include "fakes/scripted_file_dialogs.h"
#include "fakes/scripted_messages.h"
#include "fakes/side_windows.h"
#include "files/disk/recovery_store.h"
#include "picture/frames.h"
#include "windows/main/form1.h"
#include "windows/main/pole.h"
#include "windows/main/recovery_keeper.h"

using namespace tochkograf;

Q_DECLARE_METATYPE(QList<RecoverAnswer>)

// Unsaved work kept in a recovery file while the editor runs, and brought
// back at the next start.
class RecoveryTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void questionNamesPictureAndTime_data();
  void questionNamesPictureAndTime();
  void copyFollowsTheDocument_data();
  void copyFollowsTheDocument();
  void leftOverOffered_data();
  void leftOverOffered();
  void damagedLeftOverSetAside_data();
  void damagedLeftOverSetAside();

 private:
  std::unique_ptr<Form1> NewForm() {
    return std::make_unique<Form1>(Form1Seams{&messages_, &windows_, &dialogs_, dir_->path()});
  }
  QStringList Kept() const {
    return QDir(Folder()).entryList({QStringLiteral("*.unsaved")}, QDir::Files);
  }
  QString Folder() const { return dir_->path() + QStringLiteral("/state/tochkograf"); }
  void Trigger(const char* name) {
    form_->findChild<QAction*>(QLatin1String(name))->trigger();
    QCoreApplication::processEvents();
  }
  // A picture of three frames with a dot of ink on each, under `name`.
  void DrawThreeFrames(const QString& name);
  // A copy of the document left by a copy of the program that died without
  // a word: its lock names a process that has gone.
  void LeaveCopy(const RecoveryCopy& copy);

  std::unique_ptr<QTemporaryDir> dir_;
  ScriptedMessages messages_;
  ScriptedFileDialogs dialogs_;
  FakeSideWindows windows_;
  std::unique_ptr<Form1> form_;
};

void RecoveryTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  messages_ = ScriptedMessages();
  dialogs_ = ScriptedFileDialogs();
  form_ = NewForm();
  form_->show();
}

void RecoveryTest::cleanup() {
  form_->State().IZM = kOff;
  form_.reset();
  dir_.reset();
}

void RecoveryTest::DrawThreeFrames(const QString& name) {
  DocumentState& state = form_->State();
  state.Pixels(1, 1) = kOn;
  Trigger("framenew");
  state.Pixels(5, 2) = kOn;
  Trigger("frameblank");
  state.Pixels(32, 32) = kOn;
  SetFrameDuration(state, 1200);
  Trigger("frameprevious");
  state.FileName = name;
  state.IZM = kOn;
}

void RecoveryTest::LeaveCopy(const RecoveryCopy& copy) {
  const QByteArray bytes = EncodeRecoveryCopy(copy);
  const QString folder = Folder();
  QCOMPARE(RunInChild([&] {
             RecoveryStore store(folder);
             return store.Open() && store.Write(bytes) == FileStatus::Ok ? 0 : 1;
           }),
           0);
}

void RecoveryTest::questionNamesPictureAndTime_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QDateTime>("written");
  QTest::addColumn<QString>("question");
  const QDateTime now(QDate(2026, 12, 8), QTime(12, 0));
  QTest::newRow("named") << "/home/u/cat.ems" << QDateTime(QDate(2026, 12, 8), QTime(10, 41))
                         << "Найден несохранённый рисунок «cat» от 8 декабря, 10:41. Восстановить?";
  QTest::newRow("other type, last year")
      << "/tmp/logo.bmp" << QDateTime(QDate(2025, 3, 1), QTime(9, 5))
      << "Найден несохранённый рисунок «logo.bmp» от 1 марта 2025 г., 9:05. Восстановить?";
  QTest::newRow("untitled") << "" << QDateTime(QDate(2026, 5, 31), QTime(23, 59))
                            << "Найден несохранённый рисунок без имени от 31 мая, 23:59. "
                               "Восстановить?";
}

void RecoveryTest::questionNamesPictureAndTime() {
  QFETCH(QString, file);
  QFETCH(QDateTime, written);
  QFETCH(QString, question);
  QCOMPARE(RecoveryQuestion(file, written, QDateTime(QDate(2026, 12, 8), QTime(12, 0))), question);
}

// What the folder holds after each way a document goes: the copy is there
// while there are unsaved changes, and never taken in the middle of a stroke.
void RecoveryTest::copyFollowsTheDocument_data() {
  QTest::addColumn<QString>("then");
  QTest::addColumn<bool>("kept");
  QTest::newRow("untouched") << "" << false;
  QTest::newRow("drawn") << "draw" << true;
  QTest::newRow("drawn, then saved") << "draw save" << false;
  QTest::newRow("drawn, then New without saving") << "draw new" << false;
  QTest::newRow("drawn, then closed without saving") << "draw close" << false;
  QTest::newRow("stroke still going") << "press" << false;
  QTest::newRow("stroke over") << "press release" << true;
}

void RecoveryTest::copyFollowsTheDocument() {
  QFETCH(QString, then);
  QFETCH(bool, kept);
  RecoveryKeeper keeper(*form_, Folder(), 5);
  Pole* pole = form_->findChild<Pole*>(QStringLiteral("Pole"));
  const QString file = dir_->path() + QStringLiteral("/cat.ems");
  for (const QString& step : then.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (step == QLatin1String("draw")) DrawThreeFrames(file);
    if (step == QLatin1String("press")) QTest::mousePress(pole, Qt::LeftButton, {}, {20, 20});
    if (step == QLatin1String("release")) QTest::mouseRelease(pole, Qt::LeftButton, {}, {20, 20});
    // Each change is kept before the next.
    QTRY_VERIFY(!Kept().isEmpty() || form_->State().IZM == kOff || form_->Stroking());
    if (step == QLatin1String("save")) Trigger("filesave");
    if (step == QLatin1String("new")) {
      messages_.answers.enqueue(SaveAnswer::No);
      Trigger("filenew");
    }
    if (step == QLatin1String("close")) {
      messages_.answers.enqueue(SaveAnswer::No);
      connect(form_.get(), &Form1::Unloaded, &keeper, &RecoveryKeeper::Discard);
      form_->close();
    }
  }
  QTest::qWait(50);  // ten ticks
  QCOMPARE(Kept().size(), kept ? 1 : 0);
  if (kept) {
    QByteArray bytes;
    QCOMPARE(ReadFileHead(Folder() + QLatin1Char('/') + Kept()[0], RecoveryReadLimit(), bytes),
             FileStatus::Ok);
    RecoveryCopy copy;
    QCOMPARE(DecodeRecoveryCopy(bytes, copy), FormatStatus::Ok);
    QCOMPARE(copy.frames.durations, EmsAnimationOf(AnimationOf(form_->State())).durations);
  }
  if (then.contains(QLatin1String("press"))) QTest::mouseRelease(pole, Qt::LeftButton);
}

// A copy left by an ended program is asked about over the new window, and
// the answers bring it in, drop it or keep it for the next start. A running
// copy's file is never offered.
void RecoveryTest::leftOverOffered_data() {
  QTest::addColumn<QList<RecoverAnswer>>("answers");
  QTest::addColumn<bool>("restored");
  QTest::addColumn<int>("left");
  QTest::newRow("Да") << QList<RecoverAnswer>{RecoverAnswer::Yes} << true << 0;
  QTest::newRow("Нет") << QList<RecoverAnswer>{RecoverAnswer::No} << false << 0;
  QTest::newRow("Позже, then Да at the next start")
      << QList<RecoverAnswer>{RecoverAnswer::Later, RecoverAnswer::Yes} << true << 0;
  QTest::newRow("Позже twice") << QList<RecoverAnswer>{RecoverAnswer::Later, RecoverAnswer::Later}
                               << false << 1;
}

void RecoveryTest::leftOverOffered() {
  QFETCH(QList<RecoverAnswer>, answers);
  QFETCH(bool, restored);
  QFETCH(int, left);
  const QString file = dir_->path() + QStringLiteral("/cat.ems");
  DrawThreeFrames(file);
  const Animation drawn = AnimationOf(form_->State());
  const RecoveryCopy copy = CopyOf(form_->State());
  LeaveCopy(copy);
  const QString newest = Folder() + QLatin1Char('/') + Kept().first();
  // An older copy of an untitled picture, and one whose program still runs.
  RecoveryCopy older = copy;
  older.file_name.clear();
  LeaveCopy(older);
  QFile touched(newest);
  QVERIFY(touched.open(QIODevice::ReadWrite));
  QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(60),
                              QFileDevice::FileModificationTime));
  touched.close();
  RecoveryStore running(Folder());
  QVERIFY(running.Open());
  QCOMPARE(running.Write(EncodeRecoveryCopy(copy)), FileStatus::Ok);

  form_->State().IZM = kOff;
  form_ = NewForm();
  form_->show();
  for (const RecoverAnswer answer : answers) {
    // Each start answers the newest, then leaves the older one for later.
    messages_ = ScriptedMessages();
    messages_.recover_answers << answer << RecoverAnswer::Later;
    RecoveryKeeper keeper(*form_, Folder(), 5);
    keeper.OfferLeftOvers();
    QCOMPARE(messages_.recover_questions.size(), 2);
    QVERIFY2(messages_.recover_questions[0].contains(QStringLiteral("«cat»")),
             qPrintable(messages_.recover_questions.join('\n')));
    QVERIFY(messages_.recover_questions[1].contains(QStringLiteral("без имени")));
    // The older one, the running copy's, and the new window's own copy.
    if (answer == RecoverAnswer::Yes) QCOMPARE(Kept().size(), 3);
  }
  const DocumentState& state = form_->State();
  QCOMPARE(state.IZM != kOff, restored);
  if (restored) {
    QCOMPARE(AnimationOf(state).frames, drawn.frames);
    QCOMPARE(state.CurrentFrame, 1);
    QCOMPARE(state.FileName, file);
    QCOMPARE(form_->windowTitle(), QStringLiteral("cat - Tochkograf"));
  }
  QCOMPARE(QFileInfo::exists(newest), left == 1);
}

// A copy that is not whole is never a picture: it is put aside with one
// message, and the next start does not see it.
void RecoveryTest::damagedLeftOverSetAside_data() {
  QTest::addColumn<int>("cut");      // bytes cut from the end
  QTest::addColumn<int>("flipped");  // the byte changed, counted from the end; -1: none
  QTest::newRow("a bit changed in a frame") << 0 << 5;
  QTest::newRow("last byte missing") << 1 << -1;
  QTest::newRow("frames cut short") << 160 << -1;
  QTest::newRow("empty") << 100000 << -1;
}

void RecoveryTest::damagedLeftOverSetAside() {
  QFETCH(int, cut);
  QFETCH(int, flipped);
  DrawThreeFrames(dir_->path() + QStringLiteral("/cat.ems"));
  LeaveCopy(CopyOf(form_->State()));
  const QString path = Folder() + QLatin1Char('/') + Kept().first();
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadWrite));
  QByteArray bytes = file.readAll();
  bytes.chop(std::min<qsizetype>(cut, bytes.size()));
  if (flipped >= 0) bytes[bytes.size() - 1 - flipped] = char(bytes[bytes.size() - 1 - flipped] ^ 4);
  file.resize(0);
  file.write(bytes);
  file.close();
  for (int start = 0; start < 2; ++start) {
    RecoveryKeeper keeper(*form_, Folder(), 5);
    keeper.OfferLeftOvers();
  }
  QCOMPARE(messages_.recover_questions, QStringList());
  QCOMPARE(messages_.Sentences(), QStringList{kRecoveryDamaged});
  QVERIFY(Kept().isEmpty());
}

QTEST_MAIN(RecoveryTest)
#include "tst_recovery.moc"
