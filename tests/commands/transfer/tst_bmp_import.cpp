#include <QtTest>
#include <memory>

#include "commands/edit_commands.h"
#include "commands/transfer/bmp_import.h"
#include "fakes/child_process.h"
#include "fakes/document_harness.h"
#include "fakes/scripted_file_dialogs.h"
#include "files/status_texts.h"
#include "picture/undo_clipboard.h"

using namespace tochkograf;

namespace {

const QString kData = QStringLiteral(TOCHKOGRAF_TEST_DATA "/bmp");

bool Dark(int x, int y) { return (3 * x + 5 * y) % 7 == 0 || x == y; }

// Undo exchanges the cells of pictures, not column 0 or row 0.
bool SamePictureCells(const PixelGrid& a, const PixelGrid& b) {
  for (int y = 1; y <= kMaxHeight; ++y)
    for (int x = 1; x <= kMaxWidth; ++x)
      if (a(x, y) != b(x, y)) return false;
  return true;
}

struct Import {
  Import() : commands(h.context, dialogs, QStringLiteral("/program"), &owner) {
    h.state.FileName = QStringLiteral("cat.ems");
    FillRandom(h.state.Pixels, 1);
    FillRandom(h.state.Undo.Pixels, 2);
    FillRandom(h.state.ClipPixels, 3);
  }
  void Choose(const QString& file) { dialogs.Choose(kData, {file}); }

  DocumentHarness h;
  ScriptedFileDialogs dialogs;
  QObject owner;
  DocumentCommands commands;
};

}  // namespace

class BmpImportTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QDir::setCurrent(QDir::tempPath()); }

  void importsAsUntitledPictureOfItsOwnSize();
  void dialogOffersBmpFiles();
  void questionAnswers_data();
  void questionAnswers();
  void failedImportChangesNothing_data();
  void failedImportChangesNothing();
  void undoAfterImportBringsBackThePictureBefore();
  void secondImportAsksNothing();
  void unreadableFileChangesNothing();
};

void BmpImportTest::importsAsUntitledPictureOfItsOwnSize() {
  Import i;
  const DocumentState before = i.h.state;
  i.Choose(QStringLiteral("w72_h14.bmp"));

  frombmp(i.commands);

  const DocumentState& s = i.h.state;
  QCOMPARE(s.MX, 72);
  QCOMPARE(s.MY, 14);
  QCOMPARE(s.FileName, kUntitled);
  QCOMPARE(s.IZM, kOff);
  for (int y = 1; y <= 14; ++y)
    for (int x = 1; x <= 72; ++x) QCOMPARE(s.Pixels(x, y), Dark(x, y) ? kOn : kOff);
  QCOMPARE(s.Pixels(73, 1), before.Pixels(73, 1));
  QCOMPARE(s.Pixels(1, 15), before.Pixels(1, 15));
  QVERIFY(SamePictureCells(s.Undo.Pixels, before.Pixels));  // the picture before the import
  QCOMPARE(QSize(s.Undo.MX, s.Undo.MY), QSize(32, 32));
  QVERIFY(s.ClipPixels == before.ClipPixels);
  QCOMPARE(i.h.view.whole_repaints, 1);
  QCOMPARE(i.h.view.size_label, QStringLiteral(" 72 x 14"));
  QVERIFY(i.h.caption.captions.isEmpty());
  QVERIFY(i.h.messages.questions.isEmpty());
  QVERIFY(i.h.messages.failures.isEmpty());
}

void BmpImportTest::dialogOffersBmpFiles() {
  Import i;
  i.h.state.FileName = QStringLiteral("/pics/cat.ems");
  i.dialogs.Cancel();
  frombmp(i.commands);
  QCOMPARE(i.dialogs.saves, QList<bool>{false});
  const FileDialogRequest& shown = i.dialogs.shown[0];
  QCOMPARE(shown.title, QStringLiteral("Открыть файл"));
  QCOMPARE(shown.folder, QStringLiteral("/pics"));
  QCOMPARE(shown.owner, &i.owner);
  QCOMPARE(
      shown.filters,
      (FilterTable{{QStringLiteral("Однобитный точечный рисунок (два цвета) (BMP)"), {"*.bmp"}},
                   {QStringLiteral("Все файлы"), {"*"}}}));
  QCOMPARE(shown.filter, 0);
}

void BmpImportTest::questionAnswers_data() {
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("saveAsChooses");  // the drawing is untitled
  QTest::addColumn<bool>("dialogShown");
  QTest::addColumn<bool>("imported");
  QTest::newRow("Cancel") << int(SaveAnswer::Cancel) << false << false << false;
  QTest::newRow("No, then cancel the dialog") << int(SaveAnswer::No) << false << true << false;
  QTest::newRow("No, then a file") << int(SaveAnswer::No) << false << true << true;
  QTest::newRow("Yes, saved as") << int(SaveAnswer::Yes) << true << true << true;
  QTest::newRow("Yes, Save as cancelled") << int(SaveAnswer::Yes) << false << false << false;
}

void BmpImportTest::questionAnswers() {
  QFETCH(int, answer);
  QFETCH(bool, saveAsChooses);
  QFETCH(bool, dialogShown);
  QFETCH(bool, imported);
  QTemporaryDir saves;
  Import i;
  i.h.state.FileName = kUntitled;
  i.h.state.IZM = kOn;
  i.h.messages.answers.enqueue(SaveAnswer(answer));
  if (answer == int(SaveAnswer::Yes)) {
    if (saveAsChooses)
      i.dialogs.Choose(saves.path(), {QStringLiteral("kept")});
    else
      i.dialogs.Cancel();
  }
  if (imported)
    i.Choose(QStringLiteral("w16_h16.bmp"));
  else if (dialogShown)
    i.dialogs.Cancel();
  const DocumentState before = i.h.state;

  frombmp(i.commands);

  QCOMPARE(i.h.messages.questions, QStringList{QStringLiteral("Импорт из BMP-файла")});
  QCOMPARE(i.dialogs.saves.count(false), dialogShown ? 1 : 0);
  if (imported) {
    QCOMPARE(i.h.state.MX, 16);
    QCOMPARE(i.h.state.IZM, kOff);
  } else {
    QVERIFY(SameDocument(i.h.state, before));
  }
  QCOMPARE(QFileInfo::exists(saves.filePath(QStringLiteral("kept.ems"))), saveAsChooses);
}

void BmpImportTest::failedImportChangesNothing_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("reason");
  const auto row = [](const char* name, const QString& reason) {
    QTest::newRow(name) << QString::fromLatin1(name) << reason;
  };
  row("w129_h14.bmp", FormatFailureReason(FormatStatus::BadSize));
  row("w16_h97.bmp", FormatFailureReason(FormatStatus::BadSize));
  row("w16_h96_truncated.bmp", FormatFailureReason(FormatStatus::Truncated));
  row("w16_h16_rle.bmp", FormatFailureReason(FormatStatus::Unsupported));
  row("w16_h16_header12.bmp", FormatFailureReason(FormatStatus::Unsupported));
  row("w8_h8_24bit.bmp", FormatFailureReason(FormatStatus::Unsupported));
  row("not_a_bmp.bmp", FormatFailureReason(FormatStatus::NotThisFormat));
  row("no_such_file.bmp", ReadFailureReason(FileStatus::Missing));
}

void BmpImportTest::failedImportChangesNothing() {
  QFETCH(QString, file);
  QFETCH(QString, reason);
  Import i;
  i.h.state.IZM = kOn;
  i.h.messages.answers.enqueue(SaveAnswer::No);
  i.Choose(file);
  const DocumentState before = i.h.state;

  frombmp(i.commands);

  QVERIFY(SameDocument(i.h.state, before));
  QVERIFY(i.h.messages.ToldOnce(kImportFailure, file, reason));
  QCOMPARE(i.h.view.whole_repaints, 0);
}

// Undo brings back the picture from before the import at its own size; a
// second undo the imported one.
void BmpImportTest::undoAfterImportBringsBackThePictureBefore() {
  Import i;
  const PixelGrid before = i.h.state.Pixels;
  i.Choose(QStringLiteral("w72_h14.bmp"));
  frombmp(i.commands);
  const PixelGrid imported = i.h.state.Pixels;
  editundo(i.h.state, i.h.view);
  QVERIFY(SamePictureCells(i.h.state.Pixels, before));
  QCOMPARE(QSize(i.h.state.MX, i.h.state.MY), QSize(32, 32));
  editundo(i.h.state, i.h.view);
  QVERIFY(SamePictureCells(i.h.state.Pixels, imported));
  QCOMPARE(QSize(i.h.state.MX, i.h.state.MY), QSize(72, 14));
}

void BmpImportTest::secondImportAsksNothing() {
  Import i;
  i.h.state.IZM = kOn;
  i.h.messages.answers.enqueue(SaveAnswer::No);
  i.Choose(QStringLiteral("w8_h14.bmp"));
  frombmp(i.commands);
  const PixelGrid first = i.h.state.Pixels;
  i.Choose(QStringLiteral("w8_h14.bmp"));
  frombmp(i.commands);
  QCOMPARE(i.h.messages.questions.size(), 1);
  QVERIFY(i.h.state.Pixels == first);
}

void BmpImportTest::unreadableFileChangesNothing() {
  QTemporaryDir dir;
  QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther);
  const QString name = dir.filePath(QStringLiteral("locked.bmp"));
  QVERIFY(QFile::copy(kData + QStringLiteral("/w16_h16.bmp"), name));
  HandToChild(QFile::encodeName(name));
  QFile::setPermissions(name, QFileDevice::Permissions());
  const int code = RunInChild(
      [&] {
        Import i;
        i.h.state.IZM = kOn;
        const DocumentState before = i.h.state;
        if (ImportBmpFile(i.h.context, name)) return 1;
        if (!SameDocument(i.h.state, before)) return 2;
        return i.h.messages.Sentences() == QStringList{kImportFailure} ? 0 : 3;
      },
      {.unprivileged = true});
  QCOMPARE(code, 0);
}

QTEST_GUILESS_MAIN(BmpImportTest)
#include "tst_bmp_import.moc"
