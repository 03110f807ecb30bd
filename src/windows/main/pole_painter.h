#pragma once

#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>
#include <vector>

#include "picture/cell_geometry.h"
#include "picture/document_state.h"
#include "windows/main/shown_cells.h"

class QPainter;

namespace tochkograf {

// Paints the enlarged picture through a QPainter alone. The result is what
// painting every cell as a filled rectangle followed by its grid outline
// would give, pixel for pixel; but each row of cells is built once as a
// scanline, through a map from pixel columns to cells, and handed to the
// painter for every pixel row it covers, instead of a rectangle and an
// outline for every cell.
class PolePainter {
 public:
  // Paints the part `exposed` of the area, in the pixels of `geometry`.
  void Paint(QPainter& painter, const ShownCells& cells, const CellGeometry& geometry,
             const QRect& exposed);

 private:
  void PrepareColumns(bool grid, const CellGeometry& g, int left, int right);
  void BuildScanline(QRgb* line, const ShownCells& cells, int y);
  void FillCells(QRgb* line) const;
  void LookUpPixels(QRgb* line) const;
  void EnsureBand(int width, int rows);
  // Narrow rows are copied down a band of rows, which the painter is handed
  // in one piece; wide ones are handed over a row at a time.
  void PaintInBands(QPainter& painter, const ShownCells& cells, const CellGeometry& g,
                    const QRect& area);
  void PaintRowByRow(QPainter& painter, const ShownCells& cells, const CellGeometry& g,
                     const QRect& area);
  // Writes pixel rows [first, end) of the area into the band, from its top.
  void WriteBand(const ShownCells& cells, const CellGeometry& g, int first, int end);

  // Working memory, kept only to spare allocations; nothing in it outlives
  // the repaint that wrote it.
  QImage band_;
  // For each pixel column of the area: its cell column, or 0 on a grid
  // line; rebuilt only when the columns, their layout or the grid change.
  std::vector<std::uint8_t> column_cell_;
  struct ColumnsKey {
    int width = -1, columns = -1;
    bool grid = false;
    bool operator==(const ColumnsKey&) const = default;
  } columns_key_;
  // The layout of the repaint under way, the pixel columns being painted,
  // and the cell columns they meet.
  const CellGeometry* geometry_ = nullptr;
  int exposed_left_ = 0, exposed_width_ = 0;
  int first_cell_ = 1, last_cell_ = 0;
  // Where each cell column ends in the pixels being painted (and the next
  // begins), counted from their left.
  std::array<int, kMaxWidth + 1> cell_edges_{};
  // The colours of one row of cells by cell column; entry 0 is the grid's.
  std::array<QRgb, kMaxWidth + 1> row_colours_{};
};

// The pixels of cell (x, y): all that can change when the cell does, since
// the grid lines keep their colour. Neighbouring cells' rectangles never
// overlap, so the windowing system need not wait for the last cell of a
// stroke to reach the screen before the next one is painted.
QRect CellPaintRect(const CellGeometry& geometry, int x, int y);

}  // namespace tochkograf
