#include "images/display_look.h"

#include <QPainter>
#include <cmath>

namespace tochkograf {

namespace {

// Rounded down, below zero too.
int HalfDown(int n) { return n >= 0 ? n / 2 : -((1 - n) / 2); }

}  // namespace

QSize DisplayLookSize(const DisplayModel& model, QSizeF pixels_per_mm) {
  return QSize(static_cast<int>(std::ceil(model.pixels.width() * model.pitch_mm.width() *
                                          pixels_per_mm.width())),
               static_cast<int>(std::ceil(model.pixels.height() * model.pitch_mm.height() *
                                          pixels_per_mm.height())));
}

QPoint PictureOnPanel(QSize picture, const DisplayModel& model) {
  return QPoint(HalfDown(model.pixels.width() - picture.width()),
                HalfDown(model.pixels.height() - picture.height()));
}

QImage DisplayLook(const PixelGrid& cells, QSize picture, const DisplayModel& model,
                   QSizeF pixels_per_mm) {
  QImage image(DisplayLookSize(model, pixels_per_mm), QImage::Format_RGB32);
  image.fill(model.paper);
  const double pitch_x = model.pitch_mm.width() * pixels_per_mm.width();
  const double pitch_y = model.pitch_mm.height() * pixels_per_mm.height();
  const QSizeF lit(pitch_x * model.fill, pitch_y * model.fill);
  const QPointF inset((pitch_x - lit.width()) / 2, (pitch_y - lit.height()) / 2);
  const QPoint origin = PictureOnPanel(picture, model);
  QPainter painter(&image);
  // A pixel smaller than the screen's blends into it, as the eye sees it.
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  for (int row = std::max(0, origin.y());
       row < std::min(model.pixels.height(), origin.y() + picture.height()); ++row) {
    painter.setBrush(QColor(row < model.band_rows ? model.band_ink : model.ink));
    for (int column = std::max(0, origin.x());
         column < std::min(model.pixels.width(), origin.x() + picture.width()); ++column) {
      if (cells(column - origin.x() + 1, row - origin.y() + 1) == kOff) continue;
      painter.drawRect(QRectF(QPointF(column * pitch_x, row * pitch_y) + inset, lit));
    }
  }
  return image;
}

}  // namespace tochkograf
