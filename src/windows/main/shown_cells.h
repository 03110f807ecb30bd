#pragma once

#include <QColor>
#include <QRgb>

#include "picture/cell_mask.h"
#include "picture/document_state.h"
#include "picture/frame.h"
#include "picture/selection.h"

namespace tochkograf {

constexpr QRgb kInkRgb = qRgb(0, 0, 128);        // navy
constexpr QRgb kPaperRgb = qRgb(255, 255, 255);  // white
constexpr QRgb kGridRgb = qRgb(192, 192, 192);   // light grey
// The previous frame's ink under the current frame's paper: a grey about
// as dark as the grid's, so that a cell of it reads as a block of the grid
// filled in, far from the ink.
constexpr QRgb kOnionRgb = qRgb(184, 184, 184);
inline const QColor kInkColour{kInkRgb};
inline const QColor kPaperColour{kPaperRgb};
inline const QColor kGridColour{kGridRgb};
inline const QColor kOnionColour{kOnionRgb};

// What the drawing area shows in each cell, and whether it outlines them.
// A cell shows the picture's ink or paper, unless a shape being dragged
// covers it: then it shows the shape's colour, as the shape will be drawn.
// Cells floating above the picture, lifted or pasted, show their own
// colour, and paper where they were lifted from. With the onion skin on, a paper cell where the
// frame before the current one has ink shows that ink faintly; the first frame has none before it.
// Whatever else comes to be shown over the picture is one more layer here
// that changes a cell's colour; the painter asks only for the colours of a
// row of cells.
class ShownCells {
 public:
  ShownCells(const PixelGrid& pixels, bool grid, const ShapePreview* preview = nullptr,
             const PackedBlock* under = nullptr, const Selection* floating = nullptr)
      : pixels_(pixels), grid_(grid), preview_(preview), under_(under), floating_(floating) {}
  static ShownCells Of(const DocumentState& state, const ShapePreview* preview = nullptr,
                       const Selection* selection = nullptr) {
    // The frames other than the current one keep their own cells.
    const bool onion = state.OnionOn != kOff && state.CurrentFrame > 0;
    return ShownCells(state.Pixels, state.GridOn != kOff, preview,
                      onion ? &state.Frames[state.CurrentFrame - 1].cells : nullptr,
                      selection && selection->Floating() ? selection : nullptr);
  }

  bool Grid() const { return grid_; }

  // The colours of cells first..last of row y, into colours[first..last].
  void RowColours(int y, int first, int last, QRgb* colours) const {
    for (int x = first; x <= last; ++x) colours[x] = pixels_(x, y) ? kInkRgb : kPaperRgb;
    if (under_)
      for (int x = first; x <= last; ++x)
        if (!pixels_(x, y) && under_->At(x, y)) colours[x] = kOnionRgb;
    if (floating_)
      for (int x = first; x <= last; ++x)
        if (const std::optional<bool> ink = floating_->FloatingAt(x, y))
          colours[x] = *ink ? kInkRgb : kPaperRgb;
    if (!preview_) return;
    const QRgb shape = preview_->value ? kInkRgb : kPaperRgb;
    for (int x = first; x <= last; ++x)
      if (preview_->cells.Has(x, y)) colours[x] = shape;
  }

 private:
  const PixelGrid& pixels_;
  bool grid_;
  const ShapePreview* preview_;
  const PackedBlock* under_;
  const Selection* floating_;
};

}  // namespace tochkograf
