#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QtTest>
#include <memory>

#include "windows/direct_icon_style.h"

using namespace tochkograf;

namespace {

bool ImagePluginLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return false;
  return maps.readAll().contains("/imageformats/");
}

}  // namespace

class DirectIconStyleTest : public QObject {
  Q_OBJECT

 private slots:
  void mainWindowMenuLoadsNoImagePlugin();
  void extensionArrowsLookAsTheStyleDraws_data();
  void extensionArrowsLookAsTheStyleDraws();
};

// Runs first: once any plugin is loaded it stays.
void DirectIconStyleTest::mainWindowMenuLoadsNoImagePlugin() {
  if (!QFile::exists(QStringLiteral("/proc/self/maps"))) QSKIP("needs /proc");
  QVERIFY2(!ImagePluginLoaded(), "loaded before the test began");
  QApplication::setStyle(new DirectIconStyle);
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("Файл"));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QVERIFY(!ImagePluginLoaded());
}

void DirectIconStyleTest::extensionArrowsLookAsTheStyleDraws_data() {
  QTest::addColumn<int>("icon");
  QTest::addColumn<bool>("rightToLeft");
  QTest::newRow("across") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << false;
  QTest::newRow("across, right to left") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << true;
  QTest::newRow("down") << int(QStyle::SP_ToolBarVerticalExtensionButton) << false;
}

void DirectIconStyleTest::extensionArrowsLookAsTheStyleDraws() {
  QFETCH(int, icon);
  QFETCH(bool, rightToLeft);
  const auto pixmap = static_cast<QStyle::StandardPixmap>(icon);
  std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
  QVERIFY(plain);
  DirectIconStyle direct;
  QStyleOption option;
  option.direction = rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
  const QIcon expected = plain->standardIcon(pixmap, &option);
  const QIcon got = direct.standardIcon(pixmap, &option);
  QVERIFY(!expected.availableSizes().isEmpty());
  QCOMPARE(got.availableSizes(), expected.availableSizes());
  for (const QSize& size : expected.availableSizes())
    QCOMPARE(got.pixmap(size).toImage(), expected.pixmap(size).toImage());
}

QTEST_MAIN(DirectIconStyleTest)
#include "tst_direct_icon_style.moc"
