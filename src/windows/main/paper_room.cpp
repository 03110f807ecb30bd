#include "windows/main/paper_room.h"

#include <QPaintEvent>
#include <QPainter>

#include "windows/main/shown_cells.h"

namespace tochkograf {

PaperRoom::PaperRoom(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PoleRoom"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaperRoom::Surround(const QRect& place) {
  if (place == place_) return;
  place_ = place;
  update();
}

void PaperRoom::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), kPaperColour);
  const QRect outline = place_.translated(-pos()).adjusted(-1, -1, 0, 0);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(outline);
}

}  // namespace tochkograf
