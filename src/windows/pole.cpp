#include "windows/pole.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "picture/pen.h"
#include "windows/pole_painter.h"

namespace tochkograf {

namespace {

// The whole pixels, at `scale` times the size, that cover every pixel of
// `rect`: between logical and device pixels.
QRect Covering(const QRect& rect, double scale) {
  if (scale == 1.0) return rect;
  return QRect(QPoint(static_cast<int>(std::floor(rect.left() * scale)),
                      static_cast<int>(std::floor(rect.top() * scale))),
               QPoint(static_cast<int>(std::ceil((rect.right() + 1) * scale)) - 1,
                      static_cast<int>(std::ceil((rect.bottom() + 1) * scale)) - 1));
}

}  // namespace

Pole::Pole(const DocumentState& state, QWidget* parent) : QFrame(parent), state_(state) {
  setObjectName(QStringLiteral("Pole"));
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setFocusPolicy(Qt::StrongFocus);
  // Every pixel is painted on each repaint, so Qt need not clear first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

const CellGeometry& Pole::DeviceGeometry(const QRect& inner, double ratio) const {
  const int width = static_cast<int>(std::lround(inner.width() * ratio));
  const int height = static_cast<int>(std::lround(inner.height() * ratio));
  if (!geometry_ || geometry_->Width() != width || geometry_->Height() != height ||
      geometry_->Columns() != state_.MX || geometry_->Rows() != state_.MY)
    geometry_.emplace(width, height, state_.MX, state_.MY);
  return *geometry_;
}

void Pole::RepaintCell(int x, int y) {
  const QRect inner = contentsRect();
  const double ratio = devicePixelRatioF();
  const QRect cell = CellPaintRect(DeviceGeometry(inner, ratio), x, y);
  if (cell.isEmpty()) return;
  const QRect logical = Covering(cell, 1 / ratio);
  // Painted at once rather than at the next turn of the event loop: the pen
  // answers the mouse sooner, and a cell costs next to nothing to paint.
  repaint(logical.translated(inner.topLeft()));
}

void Pole::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect inner = contentsRect();
  // The style's frame costs more than many cells: draw it only when the
  // repaint reaches it, which a pen stroke's never does.
  if (!inner.contains(event->rect())) drawFrame(&painter);
  const QRect exposed = (event->rect() & inner).translated(-inner.topLeft());
  if (exposed.isEmpty()) return;
  painter.setClipRect(inner);
  painter.translate(inner.topLeft());
  const double ratio = devicePixelRatioF();
  if (ratio != 1.0) painter.scale(1 / ratio, 1 / ratio);
  painter_.Paint(painter, ShownCells::Of(state_), DeviceGeometry(inner, ratio),
                 Covering(exposed, ratio));
}

QPointF Pole::InnerPosition(const QMouseEvent* event) const {
  return event->position() - QPointF(contentsRect().topLeft());
}

void Pole::mousePressEvent(QMouseEvent* event) {
  std::uint8_t code = kNoButton;
  switch (event->button()) {
    case Qt::LeftButton:
      code = kLeftButton;
      break;
    case Qt::RightButton:
      code = kRightButton;
      break;
    case Qt::MiddleButton:
      code = kMiddleButton;
      break;
    default:
      return;  // extra buttons take no part in drawing
  }
  const QPointF at = InnerPosition(event);
  emit MouseDown(code, at.x(), at.y());
}

void Pole::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = InnerPosition(event);
  emit MouseMove(at.x(), at.y());
}

void Pole::mouseReleaseEvent(QMouseEvent*) { emit MouseUp(); }

void Pole::keyPressEvent(QKeyEvent* event) {
  emit KeyPress(event->text());
  QFrame::keyPressEvent(event);
}

void Pole::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  emit Resized();
}

}  // namespace tochkograf
