#include <QtTest>

#include "commands/caption.h"

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
  QTest::newRow("untitled") << "*"
                            << "Tochkograf"
                            << "Tochkograf";
  QTest::newRow("usual") << "cat.ems"
                         << "cat - Tochkograf"
                         << "cat.ems - Tochkograf";
  QTest::newRow("no extension") << "abcdef"
                                << "abcdef - Tochkograf"
                                << "abcdef - Tochkograf";
  QTest::newRow("ending like an option") << "-reverse"
                                         << "-reverse - Tochkograf"
                                         << "-reverse - Tochkograf";
  QTest::newRow("other extension") << "my.picture"
                                   << "my.picture - Tochkograf"
                                   << "my.picture - Tochkograf";
  QTest::newRow("upper case") << "CAT.EMS"
                              << "CAT - Tochkograf"
                              << "CAT.EMS - Tochkograf";
  QTest::newRow("ems inside") << "a.ems.bmp"
                              << "a.ems.bmp - Tochkograf"
                              << "a.ems.bmp - Tochkograf";
  QTest::newRow("only the ending") << ".ems"
                                   << ".ems - Tochkograf"
                                   << ".ems - Tochkograf";
  QTest::newRow("in a folder") << "/tmp/pics.ems/cat"
                               << "cat - Tochkograf"
                               << "cat - Tochkograf";
  QTest::newRow("Cyrillic") << "кот.ems"
                            << "кот - Tochkograf"
                            << "кот.ems - Tochkograf";
  // A byte of the name that is not UTF-8 (0xE9) shows as a replacement character.
  QTest::newRow("not UTF-8") << QStringLiteral("caf\xDCE9.ems")
                             << QStringLiteral("caf\uFFFD - Tochkograf")
                             << QStringLiteral("caf\uFFFD.ems - Tochkograf");
  QTest::newRow("shorter than four") << "ab"
                                     << "ab - Tochkograf"
                                     << "ab - Tochkograf";
  QTest::newRow("one character") << "a"
                                 << "a - Tochkograf"
                                 << "a - Tochkograf";
  QTest::newRow("exactly four") << "a.em"
                                << "a.em - Tochkograf"
                                << "a.em - Tochkograf";
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
