#include "windows/main/pole_painter.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace tochkograf {

namespace {

// A band of pixel rows small enough to stay in the processor's first cache
// between being built and being painted, and to add little to the memory.
constexpr int kBandBytes = 32 * 1024;
// From this width of a row on, a painter call per row costs less than
// copying the row once more into a band.
constexpr int kRowCallBytes = 2048;
// Cells at least this wide are filled a cell at a time, this many pixels to
// a store; the stores may run this many pixels less one past a row's end.
constexpr int kFillPixels = 4;

}  // namespace

void PolePainter::PrepareColumns(bool grid, const CellGeometry& g, int left, int right) {
  const ColumnsKey key{g.Width(), g.Columns(), grid};
  if (key != columns_key_) {
    columns_key_ = key;
    column_cell_.resize(g.Width());
    int x = 1;
    for (int c = 0; c < g.Width(); ++c) {
      while (c >= g.EdgeX(x)) ++x;
      column_cell_[c] = static_cast<std::uint8_t>(x);
    }
    if (grid)
      for (int i = 0; i <= g.Columns(); ++i) column_cell_[g.LineX(i)] = 0;
  }
  geometry_ = &g;
  exposed_left_ = left;
  exposed_width_ = right - left;
  first_cell_ = g.ColumnAt(left);
  last_cell_ = g.ColumnAt(right - 1);
  for (int x = first_cell_ - 1; x <= last_cell_; ++x) cell_edges_[x] = g.EdgeX(x) - left;
}

void PolePainter::BuildScanline(QRgb* line, const ShownCells& cells, int y) {
  row_colours_[0] = kGridRgb;
  cells.RowColours(y, first_cell_, last_cell_, row_colours_.data());
  if (geometry_->Width() >= kFillPixels * geometry_->Columns())
    FillCells(line);
  else
    LookUpPixels(line);
}

// Wide cells: a few stores a cell, each laying several pixels of its colour,
// the first of them beginning with the grid's column where the cell begins.
// A store may run past its cell into the next one, which is laid after it,
// and past the row's end into the room the band keeps there.
void PolePainter::FillCells(QRgb* line) const {
  // In locals promised not to overlap the line, as in LookUpPixels; the run
  // is a vector, so that it is laid with one store.
  using Run = QRgb __attribute__((vector_size(sizeof(QRgb) * kFillPixels)));
  const int* __restrict const edges = cell_edges_.data();
  const QRgb* __restrict const colours = row_colours_.data();
  QRgb* __restrict const out = line;
  const int width = exposed_width_;
  const bool grid = columns_key_.grid;
  for (int x = first_cell_; x <= last_cell_; ++x) {
    const QRgb colour = colours[x];
    Run run = {colour, colour, colour, colour};
    int c = edges[x - 1];
    const int end = std::min(edges[x], width);
    if (c >= 0 && grid) {
      Run first = run;
      first[0] = kGridRgb;
      std::memcpy(out + c, &first, sizeof first);
      c += kFillPixels;
    }
    for (c = std::max(c, 0); c < end; c += kFillPixels) std::memcpy(out + c, &run, sizeof run);
  }
  // The far edge's line lies on the last cell's last pixel.
  const int far = geometry_->LineX(geometry_->Columns()) - exposed_left_;
  if (grid && far < width) out[far] = kGridRgb;
}

// Narrow cells: a lookup per pixel rather than a fill per cell, where cells
// are only two or three pixels wide and fills cost more than they write.
void PolePainter::LookUpPixels(QRgb* line) const {
  // Held in locals and promised not to overlap, so that the compiler keeps
  // them in registers and unrolls the loop: otherwise every store into the
  // line would oblige it to read the width, the map and the colours again,
  // as the line could be any of them.
  const std::uint8_t* __restrict const map = column_cell_.data() + exposed_left_;
  const QRgb* __restrict const colours = row_colours_.data();
  QRgb* __restrict const out = line;
  const int width = exposed_width_;
#pragma GCC unroll 4
  for (int c = 0; c < width; ++c) out[c] = colours[map[c]];
}

// A row of cells is built once and copied down the other rows it covers.
void PolePainter::WriteBand(const ShownCells& cells, const CellGeometry& g, int first, int end) {
  const bool grid = cells.Grid();
  uchar* const bits = band_.bits();
  const qsizetype stride = band_.bytesPerLine();
  int y = g.RowAt(first);
  int next_grid_row = 0;        // index of the next horizontal grid line to meet
  const QRgb* built = nullptr;  // the scanline of cell row y
  for (int r = first; r < end; ++r) {
    while (r >= g.EdgeY(y)) ++y, built = nullptr;
    auto* target = reinterpret_cast<QRgb*>(bits + (r - first) * stride);
    while (grid && next_grid_row <= g.Rows() && g.LineY(next_grid_row) < r) ++next_grid_row;
    if (grid && next_grid_row <= g.Rows() && g.LineY(next_grid_row) == r) {
      std::fill_n(target, exposed_width_, kGridRgb);
    } else if (built) {
      std::memcpy(target, built, sizeof(QRgb) * exposed_width_);
    } else {
      BuildScanline(target, cells, y);
      built = target;
    }
  }
}

void PolePainter::Paint(QPainter& painter, const ShownCells& cells, const CellGeometry& g,
                        const QRect& exposed) {
  const QRect area = exposed & QRect(0, 0, g.Width(), g.Height());
  if (area.isEmpty() || g.Columns() == 0 || g.Rows() == 0) return;
  PrepareColumns(cells.Grid(), g, area.left(), area.right() + 1);
  if (area.width() * 4 >= kRowCallBytes)
    PaintRowByRow(painter, cells, g, area);
  else
    PaintInBands(painter, cells, g, area);
}

// Room for `rows` rows of `width` pixels, and for the fills' last stores past
// a row's end.
void PolePainter::EnsureBand(int width, int rows) {
  const QSize size(width + kFillPixels - 1, rows);
  if (band_.width() < size.width() || band_.height() < size.height())
    band_ = QImage(size.expandedTo(band_.size()), QImage::Format_RGB32);
}

void PolePainter::PaintInBands(QPainter& painter, const ShownCells& cells, const CellGeometry& g,
                               const QRect& area) {
  const int width = area.width();
  const int band_rows = std::clamp(kBandBytes / (width * 4), 1, area.height());
  EnsureBand(width, band_rows);
  for (int top = area.top(); top <= area.bottom(); top += band_rows) {
    const int end = std::min(top + band_rows, area.bottom() + 1);
    WriteBand(cells, g, top, end);
    painter.drawImage(QPoint(area.left(), top), band_, QRect(0, 0, width, end - top));
  }
}

// Each pixel row goes to the painter straight from the one scanline of its
// row of cells (band row 1) or of the grid (band row 0), never copied again.
void PolePainter::PaintRowByRow(QPainter& painter, const ShownCells& cells, const CellGeometry& g,
                                const QRect& area) {
  const int width = area.width();
  EnsureBand(width, 2);
  const bool grid = cells.Grid();
  if (grid) std::fill_n(reinterpret_cast<QRgb*>(band_.scanLine(0)), width, kGridRgb);
  const QRect grid_row(0, 0, width, 1), cell_row(0, 1, width, 1);
  int y = g.RowAt(area.top());
  int built = 0;          // the row of cells in band row 1
  int next_grid_row = 0;  // index of the next horizontal grid line to meet
  for (int r = area.top(); r <= area.bottom(); ++r) {
    while (r >= g.EdgeY(y)) ++y;
    while (grid && next_grid_row <= g.Rows() && g.LineY(next_grid_row) < r) ++next_grid_row;
    if (grid && next_grid_row <= g.Rows() && g.LineY(next_grid_row) == r) {
      painter.drawImage(QPoint(area.left(), r), band_, grid_row);
      continue;
    }
    if (built != y) {
      BuildScanline(reinterpret_cast<QRgb*>(band_.scanLine(1)), cells, y);
      built = y;
    }
    painter.drawImage(QPoint(area.left(), r), band_, cell_row);
  }
}

QRect CellPaintRect(const CellGeometry& g, int x, int y) {
  return QRect(QPoint(g.EdgeX(x - 1), g.EdgeY(y - 1)), QPoint(g.EdgeX(x) - 1, g.EdgeY(y) - 1));
}

}  // namespace tochkograf
