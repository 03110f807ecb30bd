#include "windows/text_room.h"

#include <QFontInfo>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace tochkograf {

namespace {

constexpr int kDesignFontPixels = 12;  // 9 points at 96 dpi

}  // namespace

qreal FontGrowth(const QWidget* widget) {
  return std::max(1.0, QFontInfo(widget->font()).pixelSize() / qreal(kDesignFontPixels));
}

int Grown(int length, qreal growth) { return static_cast<int>(std::lround(length * growth)); }

QRect Grown(const QRect& place, qreal growth) {
  return QRect(Grown(place.left(), growth), Grown(place.top(), growth),
               Grown(place.width(), growth), Grown(place.height(), growth));
}

QSize RoomForLine(const QLabel* label, const QString& text) {
  const QMargins frame = label->contentsMargins();
  const int margin = 2 * label->margin();
  return label->fontMetrics().size(Qt::TextSingleLine, text) +
         QSize(frame.left() + frame.right() + margin, frame.top() + frame.bottom() + margin);
}

}  // namespace tochkograf
