// File names as the system gives them: bytes that need not be UTF-8.

#include <sys/stat.h>

#include <QtTest>

#include "commands/document_commands.h"
#include "fakes/document_harness.h"
#include "fakes/scripted_file_dialogs.h"
#include "fakes/system_files.h"
#include "files/disk/system_name.h"
#include "files/formats/ems_format.h"

using namespace tochkograf;

class SystemNameTest : public QObject {
  Q_OBJECT

 private slots:
  void roundTrip_data();
  void roundTrip();
  void absoluteNameInAFolderSoNamed();
  void openedPictureSavesUnderItsName_data();
  void openedPictureSavesUnderItsName();
};

void SystemNameTest::roundTrip_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<bool>("utf8");
  QTest::newRow("ASCII") << QByteArray("cat.ems") << true;
  QTest::newRow("Cyrillic") << QByteArray("\xd0\xba\xd0\xbe\xd1\x82.ems") << true;
  QTest::newRow("beyond 16 bits") << QByteArray("\xf0\x9f\x90\x88.ems") << true;
  QTest::newRow("Latin-1") << QByteArray("caf\xe9.ems") << false;
  QTest::newRow("cut short") << QByteArray("a\xe2\x82") << false;
  QTest::newRow("stray continuation") << QByteArray("a\x80\xbf") << false;
  QTest::newRow("overlong") << QByteArray("\xc0\xaf") << false;
  // UTF-8 of U+DCE9, the text a lone byte 0xE9 becomes: it must stay apart.
  QTest::newRow("encoded surrogate") << QByteArray("\xed\xb3\xa9") << false;
  QTest::newRow("past U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << false;
}

void SystemNameTest::roundTrip() {
  QFETCH(QByteArray, bytes);
  QFETCH(bool, utf8);
  const QString name = NameFromSystem(bytes);
  QCOMPARE(SystemName(name), bytes);
  QCOMPARE(QtReachesName(name), utf8);
  if (utf8) QCOMPARE(name, QString::fromUtf8(bytes));
  QCOMPARE(ReadableName(name).contains(QChar::ReplacementCharacter), !utf8);
  QCOMPARE(SystemName(ReadableName(name)), ReadableName(name).toUtf8());
}

void SystemNameTest::absoluteNameInAFolderSoNamed() {
  QTemporaryDir temporary;
  const auto remove = RemovedAtEnd(temporary.path());
  const QByteArray folder = QFile::encodeName(temporary.path()) + "/d\xe9";
  QCOMPARE(::mkdir(folder.constData(), 0755), 0);
  const QString started = QDir::currentPath();
  QCOMPARE(::chdir(folder.constData()), 0);
  const QString absolute = AbsoluteName(NameFromSystem("caf\xe9.ems"));
  QVERIFY(QDir::setCurrent(started));
  QCOMPARE(SystemName(absolute), folder + "/caf\xe9.ems");
  QCOMPARE(AbsoluteName(QStringLiteral("/p/x.ems")), QStringLiteral("/p/x.ems"));
}

// A picture opened by a name the system gives as bytes that are not UTF-8
// (from the command line) is saved back to exactly that file, replacing it
// only once the new one is whole, with its permission bits.
void SystemNameTest::openedPictureSavesUnderItsName_data() {
  QTest::addColumn<QByteArray>("name");  // within the test's folder
  QTest::newRow("the file's name") << QByteArray("caf\xe9.ems");
  QTest::newRow("the folder's name") << QByteArray("d\xe9/pic.ems");
  QTest::newRow("both") << QByteArray("d\xe9/\xd0\xba\xe9");
}

void SystemNameTest::openedPictureSavesUnderItsName() {
  QFETCH(QByteArray, name);
  QTemporaryDir temporary;
  const auto remove = RemovedAtEnd(temporary.path());
  const QByteArray folder = QFile::encodeName(temporary.path()) + '/';
  const qsizetype slash = name.lastIndexOf('/');
  const QByteArray sub = folder + name.left(slash + 1);
  if (slash > 0) QCOMPARE(::mkdir(sub.constData(), 0755), 0);
  const QByteArray path = folder + name;
  PixelGrid cells;
  FillRandom(cells, 3);
  const QByteArray old = EncodeEms({24, 10, cells});
  StoreAt(path, old);
  QCOMPARE(::chmod(path.constData(), 0640), 0);

  DocumentHarness h;
  ScriptedFileDialogs dialogs;
  QObject owner;
  DocumentCommands commands(h.context, dialogs, temporary.path(), &owner);
  commands.OpenGiven(NameFromSystem(path));
  QCOMPARE(ContentsAt(path), old);
  QCOMPARE(QSize(h.state.MX, h.state.MY), QSize(24, 10));
  QVERIFY(h.messages.failures.isEmpty());
  h.state.Pixels(1, 1) = h.state.Pixels(1, 1) == kOff ? kOn : kOff;
  QVERIFY(commands.filesave());

  QCOMPARE(ContentsAt(path), EncodeEms({24, 10, h.state.Pixels}));
  QCOMPARE(NamesAt(sub), QList<QByteArray>{name.mid(slash + 1)});
  struct stat status {};
  QCOMPARE(::stat(path.constData(), &status), 0);
  QCOMPARE(status.st_mode & 0777, 0640u);
}

QTEST_GUILESS_MAIN(SystemNameTest)
#include "tst_system_name.moc"
