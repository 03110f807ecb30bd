#include <QApplication>

#include "windows/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tochkograf"));
  tochkograf::Form1 form;
  form.show();
  return app.exec();
}
