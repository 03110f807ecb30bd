#include <QApplication>

#include "windows/artwork.h"
#include "windows/direct_icon_style.h"
#include "windows/form1.h"
#include "windows/russian_translation.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(new tochkograf::DirectIconStyle);
  QApplication::setApplicationName(QStringLiteral("tochkograf"));
  tochkograf::InstallRussianTranslation(app);
  // Every window of the program shows the icon; the desktop entry of the
  // same name ties the running program to its menu item.
  QApplication::setWindowIcon(tochkograf::AppIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("tochkograf"));
  tochkograf::Form1 form;
  QObject::connect(&form, &tochkograf::Form1::Unloaded, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  form.show();
  return app.exec();
}
