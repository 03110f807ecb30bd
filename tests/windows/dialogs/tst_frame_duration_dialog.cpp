#include <QSpinBox>
#include <QtTest>

#include "windows/dialogs/frame_duration_dialog.h"

using namespace tochkograf;

class FrameDurationDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void keysChooseTheDuration_data();
  void keysChooseTheDuration();
};

void FrameDurationDialogTest::keysChooseTheDuration_data() {
  QTest::addColumn<int>("start");
  QTest::addColumn<QString>("typed");  // over the whole value; empty: nothing typed
  QTest::addColumn<int>("key");        // what then ends the dialog or steps the value
  QTest::addColumn<bool>("accepted");
  QTest::addColumn<int>("duration");
  QTest::newRow("shown as it was") << 700 << "" << int(Qt::Key_Return) << true << 700;
  QTest::newRow("typed") << 500 << "250" << int(Qt::Key_Return) << true << 250;
  QTest::newRow("too short") << 500 << "40" << int(Qt::Key_Return) << true << 100;
  QTest::newRow("no digit past the longest")
      << 500 << "99999" << int(Qt::Key_Return) << true << 9999;
  QTest::newRow("up a step") << 500 << "" << int(Qt::Key_Up) << false << 600;
  QTest::newRow("no lower than the shortest") << 100 << "" << int(Qt::Key_Down) << false << 100;
  QTest::newRow("Esc") << 500 << "900" << int(Qt::Key_Escape) << false << 900;
}

void FrameDurationDialogTest::keysChooseTheDuration() {
  QFETCH(int, start);
  QFETCH(QString, typed);
  QFETCH(int, key);
  QFETCH(bool, accepted);
  QFETCH(int, duration);
  FrameDurationDialog dialog(start);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  auto* box = dialog.findChild<QSpinBox*>(QStringLiteral("Duration"));
  QVERIFY(box->hasFocus());
  if (!typed.isEmpty()) QTest::keyClicks(box, typed);
  QTest::keyClick(box, Qt::Key(key));
  QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
  QCOMPARE(dialog.Duration(), duration);
}

QTEST_MAIN(FrameDurationDialogTest)
#include "tst_frame_duration_dialog.moc"
