#include <QtTest>

#include "files/caption.h"

using namespace tochkograf;

class CaptionTest : public QObject {
  Q_OBJECT

 private slots:
  void captions_data();
  void captions();
};

void CaptionTest::captions_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("focusCaption");
  QTest::newRow("untitled") << "*" << "Tochkograf" << "Tochkograf";
  QTest::newRow("usual") << "cat.ems" << "cat - Tochkograf" << "cat.ems - Tochkograf";
  QTest::newRow("no extension") << "abcdef" << "ab - Tochkograf" << "abcdef - Tochkograf";
  QTest::newRow("other extension") << "my.picture" << "my.pic - Tochkograf" << "my.picture - Tochkograf";
  QTest::newRow("Cyrillic") << "кот.ems" << "кот - Tochkograf" << "кот.ems - Tochkograf";
  QTest::newRow("shorter than four") << "ab" << "ab - Tochkograf" << "ab - Tochkograf";
  QTest::newRow("one character") << "a" << "a - Tochkograf" << "a - Tochkograf";
  QTest::newRow("exactly four") << "a.em" << " - Tochkograf" << "a.em - Tochkograf";
}

void CaptionTest::captions() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QFETCH(QString, focusCaption);
  QCOMPARE(CaptionFor(name), caption);
  QCOMPARE(FocusCaptionFor(name), focusCaption);
}

QTEST_GUILESS_MAIN(CaptionTest)
#include "tst_caption.moc"
