#include "windows/fit_font.h"

#include <QFontMetrics>
#include <QLabel>

namespace tochkograf {

void FitWrappedFontToBox(QLabel* label) {
  QFont font = label->font();
  const QRect room = label->contentsRect();
  const auto fits = [&] {
    const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, room.width(), 10000),
                                                         Qt::TextWordWrap, label->text());
    return needed.height() <= room.height();
  };
  while (!fits() && font.pointSizeF() > 6) font.setPointSizeF(font.pointSizeF() - 0.5);
  label->setFont(font);
}

}  // namespace tochkograf
