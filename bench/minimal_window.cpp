// The floor of any Qt Widgets program: one plain 500 x 230 window.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(500, 230);
  window.show();
  return app.exec();
}
