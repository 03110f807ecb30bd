#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "windows/network_code_dialog.h"
#include "windows/sms_dialog.h"

using namespace tochkograf;

namespace {

template <typename Control>
Control* Find(QWidget& dialog, const char* name) {
  auto* control = dialog.findChild<Control*>(QLatin1String(name));
  if (!control) qFatal("no control %s", name);
  return control;
}

void Type(QWidget& dialog, const char* field, const QString& text) {
  QLineEdit* edit = Find<QLineEdit>(dialog, field);
  edit->clear();
  QTest::keyClicks(edit, text);
}

}  // namespace

// The dialogs of the export to a phone, as the user fills them in.
class SmsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void okTakesOnlyWhatCanBeSent_data();
  void okTakesOnlyWhatCanBeSent();
  void networkCodeDialog();
};

void SmsDialogTest::okTakesOnlyWhatCanBeSent_data() {
  QTest::addColumn<QString>("number");
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("mcc");
  QTest::addColumn<QString>("mnc");
  QTest::addColumn<bool>("accepted");
  QTest::addColumn<QString>("problem");  // a part of what the dialog says
  QTest::newRow("EMS") << "+7 916 123-45-67"
                       << "Рисунок EMS"
                       << ""
                       << "" << true << "";
  QTest::newRow("letters in the number") << "+7 916 ABC"
                                         << "Рисунок EMS"
                                         << ""
                                         << "" << false << "омер получателя";
  QTest::newRow("logo") << "89161234567"
                        << "Логотип оператора Nokia"
                        << "250"
                        << "01" << true << "";
  QTest::newRow("logo without its network") << "89161234567"
                                            << "Логотип оператора Nokia"
                                            << ""
                                            << "" << false << "код сети";
  QTest::newRow("picture message") << "89161234567"
                                   << "Картинка-сообщение Nokia"
                                   << ""
                                   << "" << false << "72 x 28";
  QTest::newRow("caller group") << "89161234567"
                                << "Картинка группы Nokia"
                                << ""
                                << "" << true << "";
}

void SmsDialogTest::okTakesOnlyWhatCanBeSent() {
  QFETCH(QString, number);
  QFETCH(QString, kind);
  QFETCH(QString, mcc);
  QFETCH(QString, mnc);
  QFETCH(bool, accepted);
  QFETCH(QString, problem);
  SmsDialog dialog(72, 14, {}, {});
  dialog.show();
  Type(dialog, "recipient", number);
  Find<QLineEdit>(dialog, "text")->setText(QStringLiteral("Привет"));
  auto* kinds = Find<QComboBox>(dialog, "kind");
  kinds->setCurrentIndex(kinds->findText(kind));
  QVERIFY(kinds->currentIndex() >= 0);
  if (!mcc.isEmpty()) {
    Type(dialog, "mcc", mcc);
    Type(dialog, "mnc", mnc);
  }
  QTest::mouseClick(Find<QPushButton>(dialog, "ok"), Qt::LeftButton);
  QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
  const QString said = Find<QLabel>(dialog, "problem")->text().replace(u'\u00a0', u' ');
  QVERIFY2(problem.isEmpty() ? said.isEmpty() : said.contains(problem), qPrintable(said));
  if (accepted) QCOMPARE(dialog.Options().text, QStringLiteral("Привет"));
}

void SmsDialogTest::networkCodeDialog() {
  NetworkCodeDialog dialog({});
  dialog.show();
  Type(dialog, "mcc", QStringLiteral("25x0"));  // the letter is not taken
  QTest::mouseClick(Find<QPushButton>(dialog, "ok"), Qt::LeftButton);
  QVERIFY(dialog.result() != QDialog::Accepted);
  QVERIFY(!Find<QLabel>(dialog, "problem")->text().isEmpty());
  Type(dialog, "mnc", QStringLiteral("01"));
  QTest::mouseClick(Find<QPushButton>(dialog, "ok"), Qt::LeftButton);
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QCOMPARE(dialog.Code(), (NetworkCode{250, 1}));
}

QTEST_MAIN(SmsDialogTest)
#include "tst_sms_dialog.moc"
