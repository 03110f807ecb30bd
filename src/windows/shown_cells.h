#pragma once

#include <QColor>
#include <QRgb>

#include "picture/cell_mask.h"
#include "picture/document_state.h"

namespace tochkograf {

constexpr QRgb kInkRgb = qRgb(0, 0, 128);        // navy
constexpr QRgb kPaperRgb = qRgb(255, 255, 255);  // white
constexpr QRgb kGridRgb = qRgb(192, 192, 192);   // light grey
inline const QColor kInkColour{kInkRgb};
inline const QColor kPaperColour{kPaperRgb};
inline const QColor kGridColour{kGridRgb};

// What the drawing area shows in each cell, and whether it outlines them.
// A cell shows the picture's ink or paper, unless a shape being dragged
// covers it: then it shows the shape's colour, as the shape will be drawn.
// Whatever else comes to be shown over the picture (the previous frame
// under the current one) is one more layer here that changes a cell's
// colour; the painter asks only for the colours of a row of cells.
class ShownCells {
 public:
  ShownCells(const PixelGrid& pixels, bool grid, const ShapePreview* preview = nullptr)
      : pixels_(pixels), grid_(grid), preview_(preview) {}
  static ShownCells Of(const DocumentState& state, const ShapePreview* preview = nullptr) {
    return ShownCells(state.Pixels, state.GridOn != kOff, preview);
  }

  bool Grid() const { return grid_; }

  // The colours of cells first..last of row y, into colours[first..last].
  void RowColours(int y, int first, int last, QRgb* colours) const {
    for (int x = first; x <= last; ++x) colours[x] = pixels_(x, y) ? kInkRgb : kPaperRgb;
    if (!preview_) return;
    const QRgb shape = preview_->value ? kInkRgb : kPaperRgb;
    for (int x = first; x <= last; ++x)
      if (preview_->cells.Has(x, y)) colours[x] = shape;
  }

 private:
  const PixelGrid& pixels_;
  bool grid_;
  const ShapePreview* preview_;
};

}  // namespace tochkograf
