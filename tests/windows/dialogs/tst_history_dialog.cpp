#include <QtTest>

#include "picture/document_state.h"
#include "windows/dialogs/history_dialog.h"
#include "windows/dialogs/picture_preview.h"

using namespace tochkograf;

// The history's window walked by the keyboard: which step it answers, and
// the preview of the step the keys stopped on.
class HistoryDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void keysChooseStep_data();
  void keysChooseStep();
};

void HistoryDialogTest::keysChooseStep_data() {
  QTest::addColumn<QList<int>>("keys");
  QTest::addColumn<int>("shown");   // the step previewed when the keys are done
  QTest::addColumn<int>("chosen");  // -1: closed with none
  QTest::newRow("Enter at once") << QList<int>{Qt::Key_Return} << 3 << 3;
  QTest::newRow("Home") << QList<int>{Qt::Key_Home, Qt::Key_Enter} << 0 << 0;
  QTest::newRow("up twice") << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Return} << 1 << 1;
  QTest::newRow("Home, down, End")
      << QList<int>{Qt::Key_Home, Qt::Key_Down, Qt::Key_End, Qt::Key_Return} << 3 << 3;
  QTest::newRow("Esc") << QList<int>{Qt::Key_Up, Qt::Key_Escape} << 2 << -1;
}

void HistoryDialogTest::keysChooseStep() {
  QFETCH(QList<int>, keys);
  QFETCH(int, shown);
  QFETCH(int, chosen);
  // Step k has cells (1, 1) .. (k, k) on, at a size of its own.
  DocumentState state;
  state.MX = state.MY = 8;
  state.History.Start(state);
  for (int k = 1; k <= 3; ++k) {
    state.Pixels(k, k) = kOn;
    state.MX = 8 + k;
    state.History.Record(state, QStringLiteral("шаг %1").arg(k));
  }
  HistoryDialog dialog(state.History, nullptr);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  int answer = -2;
  connect(&dialog, &QDialog::finished,
          [&](int result) { answer = result == QDialog::Accepted ? dialog.ChosenStep() : -1; });
  for (int key : keys) QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
  QCOMPARE(answer, chosen);
  const DocumentState& previewed = dialog.findChild<PicturePreview*>()->Shown();
  QCOMPARE(previewed.MX, 8 + shown);
  for (int k = 1; k <= 3; ++k) QCOMPARE(previewed.Pixels(k, k) != kOff, k <= shown);
}

QTEST_MAIN(HistoryDialogTest)
#include "tst_history_dialog.moc"
