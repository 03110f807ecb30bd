// The floor of any Qt Widgets program that shows text: the minimal window
// with one line of it, which brings in the fonts, their files and shaping.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel window(QStringLiteral("Размер изображения"));
  window.resize(500, 230);
  window.show();
  return app.exec();
}
