#include "windows/fit_font.h"

#include <QFontMetrics>
#include <QLabel>

namespace tochkograf {

namespace {

// Steps the label's font down by half points, no lower than 6, until `fits`.
template <typename Fits>
void ShrinkUntil(QLabel* label, Fits fits) {
  QFont font = label->font();
  while (!fits(QFontMetrics(font)) && font.pointSizeF() > 6)
    font.setPointSizeF(font.pointSizeF() - 0.5);
  label->setFont(font);
}

}  // namespace

void FitWrappedFontToBox(QLabel* label) {
  const QRect room = label->contentsRect();
  ShrinkUntil(label, [&](const QFontMetrics& metrics) {
    return metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap,
                                label->text()).height() <= room.height();
  });
}

void FitFontToWidth(QLabel* label) {
  const int room = label->contentsRect().width() - 2;
  ShrinkUntil(label, [&](const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(label->text()) <= room;
  });
}

}  // namespace tochkograf
