#include <QApplication>

#include "windows/artwork.h"
#include "windows/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tochkograf"));
  // Every window of the program shows the icon; the desktop entry of the
  // same name ties the running program to its menu item.
  QApplication::setWindowIcon(tochkograf::AppIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("tochkograf"));
  tochkograf::Form1 form;
  form.show();
  return app.exec();
}
