#include "windows/main/pole.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "picture/pen.h"
#include "windows/main/pole_painter.h"

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

// The code of a mouse button; extra buttons take no part in drawing.
std::uint8_t ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kLeftButton;
    case Qt::RightButton:
      return kRightButton;
    case Qt::MiddleButton:
      return kMiddleButton;
    default:
      return kNoButton;
  }
}

bool ShiftHeld(const QInputEvent* event) { return event->modifiers() & Qt::ShiftModifier; }

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

// One repaint for all the cells, however many: each repaint costs far more
// than a cell's pixels, and Qt paints and shows only the region's own
// rectangles, the runs of a row joined into one and equal rows into a band.
void Pole::RepaintCells(const CellRuns& runs) {
  if (runs.empty()) return;
  const QRect inner = contentsRect();
  const double ratio = devicePixelRatioF();
  const CellGeometry& g = DeviceGeometry(inner, ratio);
  QRegion region;
  for (const CellRun& run : runs) {
    const QRect cells = CellPaintRect(g, run.first, run.y) | CellPaintRect(g, run.last, run.y);
    if (!cells.isEmpty()) region += Covering(cells, 1 / ratio).translated(inner.topLeft());
  }
  if (!region.isEmpty()) repaint(region);
}

void Pole::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect inner = contentsRect();
  // The style's frame costs more than many cells: draw it only when the
  // repaint reaches it, which a pen stroke's never does.
  if (!inner.contains(event->rect())) drawFrame(&painter);
  painter.setClipRect(inner);
  painter.translate(inner.topLeft());
  const double ratio = devicePixelRatioF();
  if (ratio != 1.0) painter.scale(1 / ratio, 1 / ratio);
  const ShownCells cells = played_ ? ShownCells(*played_, state_.GridOn != kOff)
                                   : ShownCells::Of(state_, preview_, selection_);
  const CellGeometry& geometry = DeviceGeometry(inner, ratio);
  for (const QRect& rect : event->region()) {
    const QRect exposed = (rect & inner).translated(-inner.topLeft());
    if (!exposed.isEmpty()) painter_.Paint(painter, cells, geometry, Covering(exposed, ratio));
  }
  if (!played_) PaintOutline(painter, geometry);
}

void Pole::PaintOutline(QPainter& painter, const CellGeometry& g) const {
  if (!selection_ || !selection_->Active()) return;
  const QRect cells = selection_->Rect() & QRect(1, 1, g.Columns(), g.Rows());
  if (cells.isEmpty()) return;
  // A stroked rectangle reaches one pixel past its right and bottom.
  const QRect outline(QPoint(g.EdgeX(cells.left() - 1), g.EdgeY(cells.top() - 1)),
                      QPoint(g.EdgeX(cells.right()) - 2, g.EdgeY(cells.bottom()) - 2));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 0));
  painter.drawRect(outline);
  painter.setPen(QPen(Qt::black, 0, Qt::DashLine));
  painter.drawRect(outline);
}

void Pole::ShowPlayed(const PixelGrid* cells) {
  played_ = cells;
  update();
}

QPointF Pole::InnerPosition(const QMouseEvent* event) const {
  return event->position() - QPointF(contentsRect().topLeft());
}

void Pole::mousePressEvent(QMouseEvent* event) {
  const std::uint8_t code = ButtonCode(event->button());
  if (code == kNoButton) return;
  const QPointF at = InnerPosition(event);
  emit MouseDown(code, at.x(), at.y(), ShiftHeld(event));
}

void Pole::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = InnerPosition(event);
  emit MouseMove(at.x(), at.y(), ShiftHeld(event));
}

void Pole::mouseReleaseEvent(QMouseEvent* event) { emit MouseUp(ButtonCode(event->button())); }

void Pole::keyPressEvent(QKeyEvent* event) {
  emit KeyPress(event->text());
  QFrame::keyPressEvent(event);
}

void Pole::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  emit Resized();
}

}  // namespace tochkograf
