// The receiving's window against a file of messages and the modem
// emulator: what it lists, what it says, and the picture it gives.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "fakes/animations.h"
#include "fakes/fake_modem.h"
#include "fakes/file_bytes.h"
#include "fakes/modem_file.h"
#include "fakes/scripted_file_dialogs.h"
#include "files/sms/modem_commands.h"
#include "windows/dialogs/receive_dialog.h"

using namespace tochkograf;

class ReceiveDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void listsWhatTheSourceHolds_data();
  void listsWhatTheSourceHolds();
};

void ReceiveDialogTest::listsWhatTheSourceHolds_data() {
  QTest::addColumn<QString>("source");  // "file", "modem" or "nothing there"
  QTest::addColumn<int>("pictures");    // sent to the phone
  QTest::addColumn<QString>("said");    // a part of the line below the list
  QTest::newRow("file chosen") << "file" << 2 << "Рисунков: 2.";
  QTest::newRow("modem") << "modem" << 2 << "Рисунков: 2.";
  QTest::newRow("file without pictures") << "file" << 0 << "Рисунков в сообщениях нет.";
  QTest::newRow("nothing there") << "nothing there" << 0 << "Не удалось прочитать";
}

// Two pictures sent as they go to a phone, an EMS animation and a Nokia
// picture message with its text, come back in the list in order, each with
// its kind and text; Enter on the second takes it, every frame.
void ReceiveDialogTest::listsWhatTheSourceHolds() {
  QFETCH(QString, source);
  QFETCH(int, pictures);
  QFETCH(QString, said);
  const QList<Animation> sent{RandomAnimation(16, 16, 4, 4), RandomAnimation(72, 28, 1, 5)};
  // To two people: the parts of each carry the same reference.
  const QList<SmsOptions> how{
      {QStringLiteral("+79161234567"), {}, SmsKind::Ems},
      {QStringLiteral("+79031234567"), QStringLiteral("Привет"), SmsKind::PictureMessage}};
  QList<QByteArray> pdus;
  for (int i = 0; i < pictures; ++i) {
    QList<QByteArray> message;
    QCOMPARE(ModemPdus(sent[i], sent[i].Frame(0), how[i], {}, message), FormatStatus::Ok);
    pdus += message;
  }
  QTemporaryDir folder;
  Store(folder.filePath("sent.at"), ModemFileOf(pdus));
  QList<FakeStored> stored;
  for (const QByteArray& pdu : pdus) stored.append({3, pdu});
  FakeModem modem({}, {{QStringLiteral("SM"), stored}});
  ScriptedFileDialogs files;
  files.Choose(folder.path(), {"sent.at"});
  ReceiveDialog dialog({}, {}, files, nullptr);
  auto* port = dialog.findChild<QComboBox*>("port");
  if (source == "file") {
    dialog.findChild<QPushButton*>("file")->click();
  } else {
    port->setEditText(source == "modem" ? modem.Port() : folder.filePath("nothing/ttyUSB0"));
    dialog.findChild<QPushButton*>("read")->click();
  }
  auto* list = dialog.findChild<QTreeWidget*>("pictures");
  QVERIFY2(dialog.findChild<QLabel*>("notes")->text().contains(said),
           qPrintable(dialog.findChild<QLabel*>("notes")->text()));
  QCOMPARE(list->topLevelItemCount(), pictures);
  QCOMPARE(dialog.findChild<QPushButton*>("open")->isEnabled(), pictures > 0);
  if (pictures == 0) {
    QVERIFY(!dialog.Chosen());
    return;
  }
  QVERIFY(list->topLevelItem(1)->text(5).contains(QStringLiteral("Привет")));
  QVERIFY(list->topLevelItem(0)->text(1) != list->topLevelItem(1)->text(1));
  list->setCurrentItem(list->topLevelItem(1));
  dialog.show();
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Return);
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QVERIFY(dialog.Chosen()->frames.Frame(0) == sent[1].Frame(0));
  list->setCurrentItem(list->topLevelItem(0));
  QCOMPARE(dialog.Chosen()->frames.Count(), sent[0].Count());
}

QTEST_MAIN(ReceiveDialogTest)
#include "tst_receive_dialog.moc"
