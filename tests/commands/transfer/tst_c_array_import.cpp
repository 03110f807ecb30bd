#include <QtTest>
#include <functional>

#include "commands/transfer/c_array_import.h"
#include "fakes/document_harness.h"
#include "fakes/file_bytes.h"
#include "fakes/scripted_file_dialogs.h"
#include "files/c_array/c_array_format.h"
#include "files/status_texts.h"

using namespace tochkograf;

namespace {

// The dialog: records what it was shown, answers through `answer`
// (cancelled without one).
struct ScriptedImportWindow : CArrayImportWindow {
  bool ShowCArrayImportDialog(const CArrayScan& scan, bool, CArrayReading& reading) override {
    shown_count = scan.count;
    shown << reading;
    return answer && answer(reading);
  }
  std::function<bool(CArrayReading&)> answer;
  QList<CArrayReading> shown;
  qint64 shown_count = 0;
};

struct Import {
  Import() : commands(h.context, dialogs, folder.path(), &owner) {
    FillRandom(h.state.Pixels, 1);
    h.state.FileName = QStringLiteral("/pics/cat.ems");
  }
  bool Run(const QByteArray& text) {
    const QString name = folder.filePath(QStringLiteral("art.h"));
    if (!text.isNull()) Store(name, text);
    return ImportCArrayFile(h.context, window, name);
  }
  QTemporaryDir folder;
  DocumentHarness h;
  ScriptedFileDialogs dialogs;
  ScriptedImportWindow window;
  QObject owner;
  DocumentCommands commands;
};

const Picture kPicture = RandomPicture(20, 11, 3);
const CArrayOptions kWritten{ByteLayout::PagesMsbTop, SetBit::Paper, QStringLiteral("art"), true};

}  // namespace

class CArrayImportTest : public QObject {
  Q_OBJECT

 private slots:
  void dialogStartsFromWhatTheFileSays();
  void refusedOrCancelledChangesNothing_data();
  void refusedOrCancelledChangesNothing();
};

void CArrayImportTest::dialogStartsFromWhatTheFileSays() {
  Import i;
  i.window.answer = [](CArrayReading&) { return true; };
  const DocumentState before = i.h.state;
  QVERIFY(i.Run(EncodeCArray(kPicture, kWritten)));
  QCOMPARE(i.window.shown.value(0),
           (CArrayReading{QSize(20, 11), ByteLayout::PagesMsbTop, SetBit::Paper}));
  QCOMPARE(i.window.shown_count, 40);
  const DocumentState& s = i.h.state;
  QVERIFY((Picture{s.MX, s.MY, s.Pixels}) == kPicture);
  QCOMPARE(s.FileName, kUntitled);
  QCOMPARE(s.IZM, kOn);
  QVERIFY(SameBlock(s.Undo.Pixels, before.Pixels));
  QVERIFY(i.h.messages.failures.isEmpty());
}

void CArrayImportTest::refusedOrCancelledChangesNothing_data() {
  QTest::addColumn<QByteArray>("text");  // null: no file
  QTest::addColumn<QString>("reason");   // of the one message; empty: none
  QTest::addColumn<bool>("ok");          // the dialog's answer
  const QByteArray header = EncodeCArray(kPicture, kWritten);
  QTest::newRow("cancelled") << header << QString() << false;
  QTest::newRow("too few bytes for a larger size") << header << QString() << true;
  QTest::newRow("no array") << QByteArray("int main() { return 0; }")
                            << FormatFailureReason(FormatStatus::NoArray) << true;
  QTest::newRow("above 255") << QByteArray("int a[] = {256};")
                             << QStringLiteral("в строке 1 в массиве число «256»") << true;
  QTest::newRow("no file") << QByteArray() << ReadFailureReason(FileStatus::Missing) << true;
}

void CArrayImportTest::refusedOrCancelledChangesNothing() {
  QFETCH(QByteArray, text);
  QFETCH(QString, reason);
  QFETCH(bool, ok);
  Import i;
  i.window.answer = [ok](CArrayReading& reading) {
    reading.size = QSize(128, 96);
    return ok;
  };
  const DocumentState before = i.h.state;
  QVERIFY(!i.Run(text));
  QVERIFY(SameDocument(i.h.state, before));
  QCOMPARE(i.h.messages.failures.size(), reason.isEmpty() ? 0 : 1);
  if (!reason.isEmpty()) QVERIFY(i.h.messages.failures[0].contains(reason));
  QCOMPARE(i.window.shown.size(), reason.isEmpty() ? 1 : 0);
}

QTEST_GUILESS_MAIN(CArrayImportTest)
#include "tst_c_array_import.moc"
