#pragma once

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace tochkograf {

// `image` as Qt writes a file of `format` ("png", "jpeg"...), turned as the
// file says where `turn` is given.
inline QByteArray ImageBytes(const QImage& image, const char* format,
                             QImageIOHandler::Transformations turn = {}) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setTransformation(turn);
  writer.write(image);
  return bytes;
}

// Greys (Format_Grayscale8) of one level.
inline QImage FlatGreys(int width, int height, int grey) {
  QImage image(width, height, QImage::Format_Grayscale8);
  image.fill(qRgb(grey, grey, grey));
  return image;
}

}  // namespace tochkograf
