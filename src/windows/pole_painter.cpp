#include "windows/pole_painter.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

#include "windows/direct_pixels.h"

namespace tochkograf {

namespace {

// A band of pixel rows small enough to stay in the processor's cache between
// being built and being painted.
constexpr int kBandBytes = 128 * 1024;

const QRgb kInk = kInkColour.rgb();
const QRgb kPaper = kPaperColour.rgb();
const QRgb kGrid = kGridColour.rgb();

}  // namespace

void PolePainter::PrepareColumns(const DocumentState& state, const CellGeometry& g, int left,
                                 int right) {
  const ColumnsKey key{g.Width(), g.Columns(), state.GridOn != kOff};
  if (key != columns_key_) {
    columns_key_ = key;
    column_cell_.resize(g.Width());
    int x = 1;
    for (int c = 0; c < g.Width(); ++c) {
      while (c >= g.EdgeX(x)) ++x;
      column_cell_[c] = static_cast<std::uint8_t>(x);
    }
    if (state.GridOn != kOff)
      for (int i = 0; i <= g.Columns(); ++i) column_cell_[g.LineX(i)] = 0;
  }
  exposed_left_ = left;
  exposed_width_ = right - left;
  first_cell_ = g.ColumnAt(left);
  last_cell_ = g.ColumnAt(right - 1);
}

// A lookup per pixel rather than a fill per cell: cells are often only two
// or three pixels wide, where fills cost more than they write.
void PolePainter::BuildScanline(QRgb* line, const DocumentState& state, int y) {
  row_colours_[0] = kGrid;
  for (int x = first_cell_; x <= last_cell_; ++x)
    row_colours_[x] = state.Pixels(x, y) ? kInk : kPaper;
  // Held in locals and promised not to overlap, so that the compiler keeps
  // them in registers and unrolls the loop: otherwise every store into the
  // line would oblige it to read the width, the map and the colours again,
  // as the line could be any of them.
  const std::uint8_t* __restrict const cells = column_cell_.data() + exposed_left_;
  const QRgb* __restrict const colours = row_colours_.data();
  QRgb* __restrict const out = line;
  const int width = exposed_width_;
#pragma GCC unroll 4
  for (int c = 0; c < width; ++c) out[c] = colours[cells[c]];
}

// Writes pixel rows [first, end) of `area`; row r goes to line(r). A row of
// cells is built once and copied down the other rows it covers.
template <typename Line>
void PolePainter::WriteRows(const DocumentState& state, const CellGeometry& g, const QRect& area,
                            int first, int end, Line line) {
  const int width = area.width();
  const bool grid = state.GridOn != kOff;
  int y = g.RowAt(first);
  int next_grid_row = 0;  // index of the next horizontal grid line to meet
  const QRgb* built = nullptr;  // the scanline of cell row y
  for (int r = first; r < end; ++r) {
    while (r >= g.EdgeY(y)) ++y, built = nullptr;
    QRgb* target = line(r);
    while (grid && next_grid_row <= g.Rows() && g.LineY(next_grid_row) < r) ++next_grid_row;
    if (grid && next_grid_row <= g.Rows() && g.LineY(next_grid_row) == r) {
      std::fill_n(target, width, kGrid);
    } else if (built) {
      std::memcpy(target, built, sizeof(QRgb) * width);
    } else {
      BuildScanline(target, state, y);
      built = target;
    }
  }
}

void PolePainter::Paint(QPainter& painter, const DocumentState& state, const CellGeometry& g,
                        const QRect& exposed) {
  QRect area = exposed & QRect(0, 0, g.Width(), g.Height());
  if (area.isEmpty() || g.Columns() == 0 || g.Rows() == 0) return;
  // Into a raster backing store the rows go straight where they are shown:
  // no band, and no second copy of every pixel.
  QPoint offset;
  if (QImage* image = DirectTarget(painter, &offset)) {
    area &= image->rect().translated(-offset);
    if (painter.hasClipping()) area &= painter.clipBoundingRect().toAlignedRect();
    if (area.isEmpty()) return;
    PrepareColumns(state, g, area.left(), area.right() + 1);
    uchar* const origin = image->bits() + (area.left() + offset.x()) * sizeof(QRgb);
    const qsizetype stride = image->bytesPerLine();
    WriteRows(state, g, area, area.top(), area.bottom() + 1, [&](int r) {
      return reinterpret_cast<QRgb*>(origin + (r + offset.y()) * stride);
    });
    return;
  }
  PaintInBands(painter, state, g, area);
}

void PolePainter::PaintInBands(QPainter& painter, const DocumentState& state,
                               const CellGeometry& g, const QRect& area) {
  const int width = area.width();
  const int band_rows = std::clamp(kBandBytes / (width * 4), 1, area.height());
  if (band_.width() < width || band_.height() < band_rows)
    band_ = QImage(QSize(width, band_rows).expandedTo(band_.size()), QImage::Format_RGB32);
  PrepareColumns(state, g, area.left(), area.right() + 1);
  uchar* const bits = band_.bits();
  const qsizetype stride = band_.bytesPerLine();
  for (int band_top = area.top(); band_top <= area.bottom(); band_top += band_rows) {
    const int band_end = std::min(band_top + band_rows, area.bottom() + 1);
    WriteRows(state, g, area, band_top, band_end, [&](int r) {
      return reinterpret_cast<QRgb*>(bits + (r - band_top) * stride);
    });
    painter.drawImage(QPoint(area.left(), band_top), band_,
                      QRect(0, 0, width, band_end - band_top));
  }
}

QRect CellPaintRect(const CellGeometry& g, int x, int y) {
  return QRect(QPoint(g.EdgeX(x - 1), g.EdgeY(y - 1)), QPoint(g.EdgeX(x) - 1, g.EdgeY(y) - 1));
}

}  // namespace tochkograf
