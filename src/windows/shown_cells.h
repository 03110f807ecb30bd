#pragma once

#include <QColor>
#include <QRgb>

#include "picture/document_state.h"

namespace tochkograf {

constexpr QRgb kInkRgb = qRgb(0, 0, 128);        // navy
constexpr QRgb kPaperRgb = qRgb(255, 255, 255);  // white
constexpr QRgb kGridRgb = qRgb(192, 192, 192);   // light grey
inline const QColor kInkColour{kInkRgb};
inline const QColor kPaperColour{kPaperRgb};
inline const QColor kGridColour{kGridRgb};

// What the drawing area shows in each cell, and whether it outlines them.
// Today a cell shows the picture's ink or paper. Whatever else comes to be
// shown over the picture (a shape while it is dragged, the previous frame
// under the current one) is one more layer here that changes a cell's
// colour; the painter asks only for the colours of a row of cells.
class ShownCells {
 public:
  ShownCells(const PixelGrid& pixels, bool grid) : pixels_(pixels), grid_(grid) {}
  static ShownCells Of(const DocumentState& state) {
    return ShownCells(state.Pixels, state.GridOn != kOff);
  }

  bool Grid() const { return grid_; }

  // The colours of cells first..last of row y, into colours[first..last].
  void RowColours(int y, int first, int last, QRgb* colours) const {
    for (int x = first; x <= last; ++x) colours[x] = pixels_(x, y) ? kInkRgb : kPaperRgb;
  }

 private:
  const PixelGrid& pixels_;
  bool grid_;
};

}  // namespace tochkograf
