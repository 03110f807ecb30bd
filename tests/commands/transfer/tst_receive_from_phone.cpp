#include <QtTest>
#include <optional>

#include "commands/edit_commands.h"
#include "commands/transfer/receive_from_phone.h"
#include "fakes/animations.h"
#include "fakes/document_harness.h"
#include "fakes/scripted_file_dialogs.h"
#include "picture/frames.h"

using namespace tochkograf;

namespace {

// The window: offers `chosen` as the user's choice, or is closed without one.
struct ScriptedReception : PhoneReception {
  std::optional<ReceivedPicture> ChooseReceivedPicture() override { return chosen; }
  std::optional<ReceivedPicture> chosen;
};

}  // namespace

class ReceiveFromPhoneTest : public QObject {
  Q_OBJECT

 private slots:
  void takesTheChosenPicture_data();
  void takesTheChosenPicture();
};

void ReceiveFromPhoneTest::takesTheChosenPicture_data() {
  QTest::addColumn<bool>("chosen");
  QTest::addColumn<bool>("unsaved");  // the document had unsaved changes
  QTest::addColumn<int>("answer");    // to "Сохранить изменения?", as SaveAnswer
  QTest::addColumn<bool>("taken");
  QTest::newRow("nothing unsaved") << true << false << int(SaveAnswer::Cancel) << true;
  QTest::newRow("changes dropped") << true << true << int(SaveAnswer::No) << true;
  QTest::newRow("question cancelled") << true << true << int(SaveAnswer::Cancel) << false;
  QTest::newRow("window closed") << false << true << int(SaveAnswer::No) << false;
}

// The picture chosen comes in whole, every frame with its duration, as an
// untitled picture with unsaved changes; undo brings back what was there.
void ReceiveFromPhoneTest::takesTheChosenPicture() {
  QFETCH(bool, chosen);
  QFETCH(bool, unsaved);
  QFETCH(int, answer);
  QFETCH(bool, taken);
  DocumentHarness h;
  ScriptedFileDialogs dialogs;
  QObject owner;
  DocumentCommands commands(h.context, dialogs, QString(), &owner);
  TakeAnimation(h.state, RandomAnimation(30, 20, 2, 7));
  h.state.FileName = QStringLiteral("/pics/cat.ems");
  h.state.IZM = unsaved ? kOn : kOff;
  h.messages.answers.enqueue(SaveAnswer(answer));
  const DocumentState before = h.state;
  ScriptedReception reception;
  const Animation received = RandomAnimation(72, 28, 4, 9);
  if (chosen) {
    reception.chosen.emplace();
    reception.chosen->frames = received;
  }

  QCOMPARE(ReceiveFromPhone(commands, reception), taken);
  QCOMPARE(h.messages.questions.size(), chosen && unsaved ? 1 : 0);
  if (!taken) {
    QVERIFY(SameDocument(h.state, before));
    return;
  }
  QVERIFY(AnimationOf(h.state) == received);
  QCOMPARE(h.state.FileName, kUntitled);
  QCOMPARE(h.state.IZM, kOn);
  editundo(h.state, h.view);
  QVERIFY(AnimationOf(h.state) == AnimationOf(before));
}

QTEST_GUILESS_MAIN(ReceiveFromPhoneTest)
#include "tst_receive_from_phone.moc"
