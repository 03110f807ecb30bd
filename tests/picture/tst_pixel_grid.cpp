#include <QtTest>
#include <csignal>

#include "fakes/child_process.h"
#include "picture/pixel_grid.h"

using namespace tochkograf;

class PixelGridTest : public QObject {
  Q_OBJECT

 private slots:
  void cellOutsideStopsADebugBuild_data();
  void cellOutsideStopsADebugBuild();
};

void PixelGridTest::cellOutsideStopsADebugBuild_data() {
  QTest::addColumn<int>("x");
  QTest::addColumn<int>("y");
  QTest::addColumn<bool>("inside");
  QTest::newRow("corner 0, 0") << 0 << 0 << true;
  QTest::newRow("corner 128, 96") << 128 << 96 << true;
  QTest::newRow("column 129, which is the next row's column 0") << 129 << 0 << false;
  QTest::newRow("row 97") << 0 << 97 << false;
  QTest::newRow("column -1") << -1 << 5 << false;
  QTest::newRow("row -1") << 5 << -1 << false;
}

void PixelGridTest::cellOutsideStopsADebugBuild() {
  QFETCH(int, x);
  QFETCH(int, y);
  QFETCH(bool, inside);
#ifdef QT_NO_DEBUG
  QSKIP("a release build does not check cells");
#endif
  // Each in a child of its own, which a failed check ends at once, without
  // the test library's report of a crash.
  const auto in_child = [](const std::function<int()>& body) {
    return RunInChild([&] {
      std::signal(SIGABRT, SIG_DFL);
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
      return body();
    });
  };
  const PixelGrid grid;
  const int read = in_child([&] { return grid(x, y) == kOff ? 0 : 1; });
  const int written = in_child([&] {
    PixelGrid target;
    target(x, y) = kOn;
    return 0;
  });
  QCOMPARE(read, inside ? 0 : -1);
  QCOMPARE(written, inside ? 0 : -1);
}

QTEST_GUILESS_MAIN(PixelGridTest)
#include "tst_pixel_grid.moc"
