#include <QApplication>

#include "windows/form1.h"
#include "windows/russian_translation.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tochkograf"));
  tochkograf::InstallRussianTranslation(app);
  tochkograf::Form1 form;
  QObject::connect(&form, &tochkograf::Form1::Unloaded, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  form.show();
  return app.exec();
}
