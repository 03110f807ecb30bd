#include "windows/direct_pixels.h"

#include <QPaintEngine>
#include <QPainter>

namespace tochkograf {

QImage* DirectTarget(QPainter& painter, QPoint* offset) {
  QPaintEngine* engine = painter.paintEngine();
  if (!engine || engine->type() != QPaintEngine::Raster) return nullptr;
  QPaintDevice* device = engine->paintDevice();
  if (!device || device->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(device);
  const QImage::Format format = image->format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
      format != QImage::Format_ARGB32_Premultiplied)
    return nullptr;
  // Opaque pixels written as they are stand for what the painter would draw
  // only when it would lay them down as they are.
  if (painter.opacity() != 1.0 ||
      (painter.compositionMode() != QPainter::CompositionMode_SourceOver &&
       painter.compositionMode() != QPainter::CompositionMode_Source))
    return nullptr;
  const QTransform transform = painter.deviceTransform();
  if (transform.type() > QTransform::TxTranslate) return nullptr;
  *offset = QPoint(qRound(transform.dx()), qRound(transform.dy()));
  if (!qFuzzyCompare(transform.dx() + 1, offset->x() + 1) ||
      !qFuzzyCompare(transform.dy() + 1, offset->y() + 1))
    return nullptr;
  return image;
}

}  // namespace tochkograf
