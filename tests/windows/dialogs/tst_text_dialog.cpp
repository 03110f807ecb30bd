#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "fakes/pictures.h"
#include "fakes/scripted_file_dialogs.h"
#include "fakes/side_windows.h"
#include "windows/dialogs/text_dialog.h"
#include "windows/main/form1.h"
#include "windows/main/pole.h"

using namespace tochkograf;

class TextDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void enterTakesTheTextAndEscLeavesIt();
  void clickPlacesTheChosenText();
};

void TextDialogTest::enterTakesTheTextAndEscLeavesIt() {
  ScriptedFileDialogs files;
  TextDialog dialog(TextChoice{QStringLiteral("Да")}, files);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  auto* text = dialog.findChild<QLineEdit*>(QStringLiteral("Text"));
  auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OK"));
  text->clear();
  QVERIFY(!ok->isEnabled());
  text->setText(QStringLiteral("Цена 5₽ 中"));
  QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("Missing"))->text().contains(u'中'));
  auto* fonts = dialog.findChild<QComboBox*>(QStringLiteral("Font"));
  fonts->setCurrentIndex(fonts->findText(QStringLiteral("Крупный")));
  QTest::keyClick(text, Qt::Key_Return);
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QCOMPARE(dialog.Choice().text, QStringLiteral("Цена 5₽ 中"));
  QCOMPARE(dialog.Choice().font, BuiltInChoice(FontSize::kLarge));

  TextDialog again(dialog.Choice(), files);
  again.show();
  QTest::keyClick(again.findChild<QLineEdit*>(QStringLiteral("Text")), Qt::Key_Escape);
  QCOMPARE(again.result(), int(QDialog::Rejected));
}

// The text tool's click opens the dialog once the button is up; "OK" puts
// the text there, "Отмена" nothing.
void TextDialogTest::clickPlacesTheChosenText() {
  FakeSideWindows windows;
  Form1 form(Form1Seams{.windows = &windows});
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.findChild<QAction*>(QStringLiteral("drawtext"))->trigger();
  auto* pole = form.findChild<Pole*>(QStringLiteral("Pole"));
  const QRect inner = pole->contentsRect();
  const QPoint cell_5_9 =
      inner.topLeft() + QPoint(inner.width() * 9 / 64, inner.height() * 17 / 64);
  QTest::mouseClick(pole, Qt::LeftButton, {}, cell_5_9);
  QTRY_COMPARE(windows.calls.size(), 1);
  QCOMPARE(CountOn(form.State().Pixels), 0);  // cancelled
  windows.text_chosen = TextChoice{QStringLiteral("I"), BuiltInChoice(FontSize::kSmall)};
  QTest::mouseClick(pole, Qt::LeftButton, {}, cell_5_9);
  QTRY_COMPARE(windows.calls.size(), 2);
  QCOMPARE(windows.shown_text.text, QString());
  QTRY_VERIFY(form.State().Pixels(5, 9) != kOff);
  QCOMPARE(form.State().IZM, kOn);
}

QTEST_MAIN(TextDialogTest)
#include "tst_text_dialog.moc"
