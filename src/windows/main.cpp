#include <QApplication>

#include "files/file_size_signal.h"
#include "windows/artwork.h"
#include "windows/direct_icon_style.h"
#include "windows/form1.h"
#include "windows/russian_translation.h"

int main(int argc, char* argv[]) {
  tochkograf::IgnoreFileSizeSignal();
  QApplication app(argc, argv);
  QApplication::setStyle(new tochkograf::DirectIconStyle);
  QApplication::setApplicationName(QStringLiteral("tochkograf"));
  tochkograf::InstallRussianTranslation(app);
  // The desktop entry of the same name ties the running program to its menu
  // item.
  QGuiApplication::setDesktopFileName(QStringLiteral("tochkograf"));
  // Making the main window shows the splash and waits for it to go.
  tochkograf::Form1 form;
  // Every window of the program shows the icon from here on. The borderless
  // splash shows none, so it is given after the splash: reading the icon
  // would only keep the splash from coming up sooner.
  QApplication::setWindowIcon(tochkograf::AppIcon());
  QObject::connect(&form, &tochkograf::Form1::Unloaded, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  form.show();
  return app.exec();
}
