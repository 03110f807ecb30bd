#include "icon.h"

#include <QPainter>

namespace artwork {

namespace {

const QColor kInk(0, 0, 128);
const QColor kScreen(196, 214, 176);
const QColor kUnlitDot(168, 188, 150);
const QColor kFrame(40, 56, 48);
constexpr int kDots = 5;

bool Lit(int column, int row) { return row == 0 || column == kDots / 2; }

}  // namespace

QImage DrawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, size >= 48);

  const int frame = std::max(1, size / 24);
  const double radius = size / 6.0;
  p.setPen(Qt::NoPen);
  p.setBrush(kFrame);
  p.drawRoundedRect(QRectF(0, 0, size, size), radius, radius);
  p.setBrush(kScreen);
  p.drawRoundedRect(QRectF(frame, frame, size - 2 * frame, size - 2 * frame), radius - frame,
                    radius - frame);

  // Whole-pixel pitch and dot, the lattice centred in what the frame leaves;
  // small icons give the lattice all the room they have.
  const int inner = size - 2 * frame;
  const int pitch = size < 32 ? std::max(3, (inner - 2) / kDots) : inner / (kDots + 1);
  const int dot = std::max(1, pitch * 3 / 4);
  const int span = (kDots - 1) * pitch + dot;
  const int start = (size - span) / 2;
  for (int column = 0; column < kDots; ++column)
    for (int row = 0; row < kDots; ++row) {
      p.setBrush(Lit(column, row) ? kInk : kUnlitDot);
      const QRectF cell(start + column * pitch, start + row * pitch, dot, dot);
      if (size >= 48)
        p.drawEllipse(cell);
      else
        p.drawRect(cell);
    }
  return image;
}

}  // namespace artwork
