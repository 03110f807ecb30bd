// Replays the fuzzing seeds and every input that once broke a reader
// through the same checks the fuzz target makes; a broken check aborts.

#include <QDirIterator>
#include <QtTest>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

class FuzzReplayTest : public QObject {
  Q_OBJECT

 private slots:
  void replaysEveryStoredInput();
};

void FuzzReplayTest::replaysEveryStoredInput() {
  int replayed = 0;
  for (const char* folder : {FUZZ_CORPUS, FUZZ_REGRESSIONS}) {
    QDirIterator files(QString::fromUtf8(folder), QDir::Files);
    while (files.hasNext()) {
      QFile file(files.next());
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QByteArray bytes = file.readAll();
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             static_cast<std::size_t>(bytes.size()));
      ++replayed;
    }
  }
  QVERIFY(replayed > 0);
}

QTEST_GUILESS_MAIN(FuzzReplayTest)
#include "tst_fuzz_replay.moc"
