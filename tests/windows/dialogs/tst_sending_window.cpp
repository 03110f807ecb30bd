// The sending's window against the modem emulator: what it says as the
// messages go and at the end, and its "Отмена".

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "devices/modem_session.h"
#include "fakes/fake_modem.h"
#include "fakes/pictures.h"
#include "files/sms/modem_commands.h"
#include "windows/dialogs/sending_window.h"

using namespace tochkograf;

class SendingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void saysHowItGoes_data();
  void saysHowItGoes();
};

void SendingWindowTest::saysHowItGoes_data() {
  QTest::addColumn<int>("refused");   // the message the modem refuses; 0: none
  QTest::addColumn<QString>("stop");  // after the first message: "button", "close" or nothing
  QTest::addColumn<int>("sent");
  QTest::addColumn<QString>("end");  // the last line, a part of it
  QTest::newRow("all sent") << 0 << "" << 3 << "Все SMS отправлены: 3 из 3.";
  QTest::newRow("second refused") << 2 << "" << 1
                                  << "Модем отказался отправить SMS 2 из 3: сеть не работает";
  QTest::newRow("cancelled") << 0 << "button" << 1 << "Отправка отменена; отправлено 1 из 3.";
  QTest::newRow("closed while sending") << 0 << "close" << 1 << "отправлено 1 из 3.";
}

void SendingWindowTest::saysHowItGoes() {
  QFETCH(int, refused);
  QFETCH(QString, stop);
  QFETCH(int, sent);
  QFETCH(QString, end);
  const Picture picture = RandomPicture(72, 28, 3);
  QList<QByteArray> pdus;
  QCOMPARE(
      ModemPdus(Animation::Of(picture), picture,
                {QStringLiteral("+79161234567"), QStringLiteral("Hello"), SmsKind::PictureMessage},
                {}, pdus),
      FormatStatus::Ok);
  FakeModem modem({.refuse = refused});
  SendingWindow window({modem.Port()}, pdus, nullptr,
                       {.answer = 2000, .message = 2000, .settle = 50});
  window.show();
  auto* line = window.findChild<QLabel*>(QStringLiteral("line"));
  auto* button = window.findChild<QPushButton*>(QStringLiteral("cancel"));
  QCOMPARE(line->text(), QStringLiteral("Отправка SMS 1 из 3"));
  QStringList said;
  connect(window.findChild<ModemSession*>(), &ModemSession::Sent, this, [&] {
    said << line->text();
    if (stop == QStringLiteral("button")) QTest::mouseClick(button, Qt::LeftButton);
    if (stop == QStringLiteral("close")) QVERIFY(!window.close());
  });
  QSignalSpy ended(&window, &SendingWindow::Ended);
  QVERIFY(ended.wait(60000));
  // Each message taken, the next is named; the last stays till the end.
  QStringList going;
  for (int taken = 1; taken <= sent; ++taken)
    going << QStringLiteral("Отправка SMS %1 из 3").arg(std::min(taken + 1, 3));
  QCOMPARE(said, going);
  QVERIFY2(line->text().contains(end), qPrintable(line->text()));
  QCOMPARE(window.findChild<QProgressBar*>()->value(), sent);
  QCOMPARE(modem.Given().size(), sent);
  QCOMPARE(button->text(), QStringLiteral("Закрыть"));
  QVERIFY(window.isVisible());
  QTest::mouseClick(button, Qt::LeftButton);
  QVERIFY(!window.isVisible());
}

QTEST_MAIN(SendingWindowTest)
#include "tst_sending_window.moc"
