#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "windows/dialogs/network_code_dialog.h"
#include "windows/dialogs/sms_dialog.h"

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
  void checksAsTheFieldsChange_data();
  void checksAsTheFieldsChange();
  void showsMessages_data();
  void showsMessages();
  void asksForTheModem_data();
  void asksForTheModem();
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
  QTest::newRow("logo, three-digit MNC") << "+1 (555) 123-4567"
                                         << "Логотип оператора Nokia"
                                         << "310"
                                         << "260" << true << "";
}

void SmsDialogTest::okTakesOnlyWhatCanBeSent() {
  QFETCH(QString, number);
  QFETCH(QString, kind);
  QFETCH(QString, mcc);
  QFETCH(QString, mnc);
  QFETCH(bool, accepted);
  QFETCH(QString, problem);
  const Picture picture{72, 14, {}};
  SmsDialog dialog(Animation::Of(picture), picture, {}, {});
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

// What is wrong is said once, where it is mended; what the picture does not
// suit at once, what is typed once OK has been pressed; and it goes as soon
// as it is mended. The dialog keeps its width.
void SmsDialogTest::checksAsTheFieldsChange_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("number");
  QTest::addColumn<QString>("before");  // said before OK, a part of it; empty: nothing
  QTest::addColumn<QString>("after");   // said once OK is pressed
  QTest::addColumn<QString>("mended");  // the number, or MCC and MNC, typed then
  const auto row = [](const char* name, const char* kind, const char* number, const char* before,
                      const char* after, const char* mended) {
    QTest::newRow(name) << QString::fromUtf8(kind) << QString::fromUtf8(number)
                        << QString::fromUtf8(before) << QString::fromUtf8(after)
                        << QString::fromUtf8(mended);
  };
  row("number", "Рисунок EMS", "+7 916 ABC", "", "омер получателя", "+7 (916) 123-45-67");
  row("network", "Логотип оператора Nokia", "89161234567", "", "код сети", "250 01");
  row("picture message of 72x14", "Картинка-сообщение Nokia", "89161234567", "72 x 28", "72 x 28",
      "");
}

void SmsDialogTest::checksAsTheFieldsChange() {
  QFETCH(QString, kind);
  QFETCH(QString, number);
  QFETCH(QString, before);
  QFETCH(QString, after);
  QFETCH(QString, mended);
  const Picture picture{72, 14, {}};
  SmsDialog dialog(Animation::Of(picture), picture, {}, {});
  dialog.show();
  const int width = dialog.width();
  // What is amiss with what the dialog says, or nothing.
  const auto amiss = [&](const QString& part) -> QString {
    const QString problem = Find<QLabel>(dialog, "problem")->text().replace(u'\u00a0', u' ');
    const QString messages = Find<QLabel>(dialog, "messages")->text().replace(u'\u00a0', u' ');
    if (part.isEmpty() ? !problem.isEmpty() : !problem.contains(part)) return problem;
    if (!part.isEmpty() && messages.contains(part)) return QStringLiteral("twice: ") + messages;
    if (dialog.width() != width) return QStringLiteral("width %1").arg(dialog.width());
    return {};
  };
  auto* kinds = Find<QComboBox>(dialog, "kind");
  kinds->setCurrentIndex(kinds->findText(kind));
  Type(dialog, "recipient", number);
  QVERIFY2(amiss(before).isEmpty(), qPrintable(amiss(before)));
  QTest::mouseClick(Find<QPushButton>(dialog, "ok"), Qt::LeftButton);
  QVERIFY(dialog.result() != QDialog::Accepted);
  QVERIFY2(amiss(after).isEmpty(), qPrintable(amiss(after)));
  if (mended.isEmpty()) return;
  if (mended.startsWith(u'+')) {
    Type(dialog, "recipient", mended);
  } else {
    Type(dialog, "mcc", mended.section(u' ', 0, 0));
    Type(dialog, "mnc", mended.section(u' ', 1));
  }
  QVERIFY2(amiss({}).isEmpty(), qPrintable(amiss({})));
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

void SmsDialogTest::showsMessages_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("frames");
  QTest::addColumn<QString>("kind");
  QTest::addColumn<int>("letters");  // typed into the text
  QTest::addColumn<int>("count");    // 0: a sentence why none can be sent
  QTest::addColumn<bool>("note");    // something said after the count
  QTest::newRow("picture") << QSize(16, 16) << 1 << "Рисунок EMS" << 0 << 1 << false;
  // 36 octets of header leave 118 septets; concatenated, 112 and 152.
  QTest::newRow("picture and 200 letters")
      << QSize(16, 16) << 1 << "Рисунок EMS" << 200 << 2 << false;
  QTest::newRow("large animation") << QSize(16, 16) << 4 << "Рисунок EMS" << 0 << 1 << false;
  QTest::newRow("2 x 32x32, extended object")
      << QSize(32, 32) << 2 << "Рисунок EMS" << 0 << 3 << false;
  QTest::newRow("64 x 128x96, too many")
      << QSize(128, 96) << 64 << "Рисунок EMS" << 0 << 0 << false;
  QTest::newRow("logo of the current frame")
      << QSize(72, 14) << 2 << "Логотип оператора Nokia" << 0 << 1 << true;
}

void SmsDialogTest::showsMessages() {
  QFETCH(QSize, size);
  QFETCH(int, frames);
  QFETCH(QString, kind);
  QFETCH(int, letters);
  QFETCH(int, count);
  QFETCH(bool, note);
  const Picture current{size.width(), size.height(), {}};
  const Animation animation{size.width(), size.height(), std::vector<AnimationFrame>(frames)};
  SmsDialog dialog(animation, current, {}, {});
  dialog.show();
  auto* kinds = Find<QComboBox>(dialog, "kind");
  kinds->setCurrentIndex(kinds->findText(kind));
  Find<QLineEdit>(dialog, "text")->setText(QString(letters, u'a'));
  const QString said = Find<QLabel>(dialog, "messages")->text();
  if (count == 0) {
    QVERIFY2(!said.isEmpty() && !said[0].isDigit(), qPrintable(said));
  } else {
    const QString number = QString::number(count);
    QVERIFY2(said.startsWith(number) && (said.size() > number.size()) == note, qPrintable(said));
  }
  const QString picture = Find<QLabel>(dialog, "picture")->text();
  QVERIFY2(frames == 1 || picture.endsWith(u' ' + QString::number(frames)), qPrintable(picture));
}

// Sending, it asks for the port, one of those present or typed, and the
// speed, and takes no answers without them.
void SmsDialogTest::asksForTheModem_data() {
  QTest::addColumn<QString>("port");    // typed; empty: the second of the list chosen
  QTest::addColumn<QString>("speed");   // typed; empty: as it starts
  QTest::addColumn<QString>("chosen");  // the port taken; empty: refused
  QTest::addColumn<int>("speed_taken");
  QTest::addColumn<QString>("problem");  // a part of what the dialog says
  QTest::newRow("listed") << ""
                          << ""
                          << "/dev/rfcomm0" << 115200 << "";
  QTest::newRow("typed, slower") << "ttyS1"
                                 << "9600"
                                 << "ttyS1" << 9600 << "";
  QTest::newRow("no port") << " "
                           << ""
                           << "" << 0 << "порт модема";
  QTest::newRow("no speed") << "/dev/ttyUSB3"
                            << "0"
                            << "" << 0 << "скорость порта";
}

void SmsDialogTest::asksForTheModem() {
  QFETCH(QString, port);
  QFETCH(QString, speed);
  QFETCH(QString, chosen);
  QFETCH(int, speed_taken);
  QFETCH(QString, problem);
  const Picture picture{16, 16, {}};
  const ModemChoice modem{{{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("HUAWEI Mobile")},
                           {QStringLiteral("/dev/rfcomm0"), QString()}},
                          {}};
  SmsDialog dialog(Animation::Of(picture), picture, {QStringLiteral("+79161234567"), {}, {}}, {},
                   nullptr, modem);
  dialog.show();
  auto* ports = Find<QComboBox>(dialog, "port");
  QCOMPARE(ports->currentText(), QStringLiteral("/dev/ttyUSB0 — HUAWEI Mobile"));
  if (port.isEmpty())
    ports->setCurrentIndex(1);
  else
    ports->setEditText(port);
  if (!speed.isEmpty()) Find<QComboBox>(dialog, "speed")->setEditText(speed);
  auto* ok = Find<QPushButton>(dialog, "ok");
  QCOMPARE(ok->text(), QStringLiteral("Отправить"));
  QTest::mouseClick(ok, Qt::LeftButton);
  QCOMPARE(dialog.result() == QDialog::Accepted, !chosen.isEmpty());
  const QString said = Find<QLabel>(dialog, "problem")->text();
  QVERIFY2(problem.isEmpty() ? said.isEmpty() : said.contains(problem), qPrintable(said));
  if (chosen.isEmpty()) return;
  QCOMPARE(dialog.Port().name, chosen);
  QCOMPARE(dialog.Port().speed, speed_taken);
}

QTEST_MAIN(SmsDialogTest)
#include "tst_sms_dialog.moc"
