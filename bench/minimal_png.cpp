// The floor of any program that writes a PNG with Qt: link QtGui, make a
// 128 x 96 image and save it.

#include <QImage>

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  QImage image(128, 96, QImage::Format_ARGB32);
  image.fill(Qt::white);
  return image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
