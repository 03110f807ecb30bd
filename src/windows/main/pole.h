#pragma once

#include <QFrame>
#include <cstdint>
#include <optional>

#include "picture/cell_geometry.h"
#include "picture/cell_mask.h"
#include "picture/document_state.h"
#include "picture/selection.h"
#include "windows/main/pole_painter.h"

namespace tochkograf {

// The drawing area: a bordered box that shows the enlarged picture, with
// the shape being dragged over it, and passes its mouse, key and resize
// events to the main window. Positions it reports are in its own units with
// the origin at the inner top-left corner; `shift` says whether Shift is
// held.
class Pole : public QFrame {
  Q_OBJECT

 public:
  Pole(const DocumentState& state, QWidget* parent);
  // The shape shown over the picture from now on, or none.
  void SetPreview(const ShapePreview* preview) { preview_ = preview; }
  // The marked cells, outlined, and their floating piece, shown over the
  // picture from now on.
  void SetSelection(const Selection* selection) { selection_ = selection; }
  // While a frame is played, the cells shown instead of the document's,
  // with no shape or onion skin over them; null: the document again.
  // Repaints the whole area.
  void ShowPlayed(const PixelGrid* cells);

  double InnerWidth() const { return contentsRect().width(); }
  double InnerHeight() const { return contentsRect().height(); }
  void RepaintCell(int x, int y);
  // The cells of the runs, at once, in one repaint of their pixels alone.
  void RepaintCells(const CellRuns& runs);

 signals:
  void MouseDown(std::uint8_t button, double X, double Y, bool shift);
  void MouseMove(double X, double Y, bool shift);
  void MouseUp(std::uint8_t button);
  void KeyPress(const QString& text);
  void Resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // The drawing area shows no focus mark, so taking or losing the focus
  // (as the first press of a stroke does) must not repaint it all.
  void focusInEvent(QFocusEvent*) override {}
  void focusOutEvent(QFocusEvent*) override {}

 private:
  // Cells are laid out on device pixels, so that grid lines stay one device
  // pixel wide on high-density screens.
  // Kept while the size of the area and of the picture stay the same.
  const CellGeometry& DeviceGeometry(const QRect& inner, double ratio) const;
  QPointF InnerPosition(const QMouseEvent* event) const;
  // A dashed line round the marked cells, black over white so that it shows
  // on ink and on paper alike.
  void PaintOutline(QPainter& painter, const CellGeometry& geometry) const;

  const DocumentState& state_;
  const ShapePreview* preview_ = nullptr;
  const Selection* selection_ = nullptr;
  const PixelGrid* played_ = nullptr;
  PolePainter painter_;
  mutable std::optional<CellGeometry> geometry_;
};

}  // namespace tochkograf
