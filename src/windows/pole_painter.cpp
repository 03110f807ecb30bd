#include "windows/pole_painter.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

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
  const ColumnsKey key{g.Width(), g.Columns(), left, right, state.GridOn != kOff};
  if (key == columns_key_) return;
  columns_key_ = key;
  column_cell_.resize(right - left);
  int x = g.ColumnAt(left);
  for (int c = left; c < right; ++c) {
    while (c >= g.EdgeX(x)) ++x;
    column_cell_[c - left] = static_cast<std::uint8_t>(x);
  }
  if (state.GridOn == kOff) return;
  for (int i = 0; i <= g.Columns(); ++i) {
    const int c = g.LineX(i);
    if (c >= left && c < right) column_cell_[c - left] = 0;
  }
}

// A lookup per pixel rather than a fill per cell: cells are often only two
// or three pixels wide, where fills cost more than they write.
void PolePainter::BuildScanline(QRgb* line, const DocumentState& state, int y) {
  row_colours_[0] = kGrid;
  for (int x = 1; x <= kMaxWidth; ++x) row_colours_[x] = state.Pixels(x, y) ? kInk : kPaper;
  const std::size_t width = column_cell_.size();
  for (std::size_t c = 0; c < width; ++c) line[c] = row_colours_[column_cell_[c]];
}

void PolePainter::Paint(QPainter& painter, const DocumentState& state, const CellGeometry& g,
                        const QRect& exposed) {
  const QRect area = exposed & QRect(0, 0, g.Width(), g.Height());
  if (area.isEmpty() || g.Columns() == 0 || g.Rows() == 0) return;
  const int width = area.width();
  const int band_rows = std::clamp(kBandBytes / (width * 4), 1, area.height());
  if (band_.width() < width || band_.height() < band_rows)
    band_ = QImage(QSize(width, band_rows).expandedTo(band_.size()), QImage::Format_RGB32);
  PrepareColumns(state, g, area.left(), area.right() + 1);

  uchar* const bits = band_.bits();
  const qsizetype stride = band_.bytesPerLine();
  const auto band_line = [&](int i) { return reinterpret_cast<QRgb*>(bits + i * stride); };
  const bool grid = state.GridOn != kOff;
  int y = g.RowAt(area.top());
  int next_grid_row = 0;  // index of the next horizontal grid line to meet
  for (int band_top = area.top(); band_top <= area.bottom(); band_top += band_rows) {
    const int band_end = std::min(band_top + band_rows, area.bottom() + 1);
    const QRgb* built = nullptr;  // the scanline of cell row y in this band
    for (int r = band_top; r < band_end; ++r) {
      while (r >= g.EdgeY(y)) ++y, built = nullptr;
      QRgb* line = band_line(r - band_top);
      while (grid && next_grid_row <= g.Rows() && g.LineY(next_grid_row) < r) ++next_grid_row;
      if (grid && next_grid_row <= g.Rows() && g.LineY(next_grid_row) == r) {
        std::fill_n(line, width, kGrid);
      } else if (built) {
        std::memcpy(line, built, sizeof(QRgb) * width);
      } else {
        BuildScanline(line, state, y);
        built = line;
      }
    }
    painter.drawImage(QPoint(area.left(), band_top), band_,
                      QRect(0, 0, width, band_end - band_top));
  }
}

QRect CellPaintRect(const CellGeometry& g, int x, int y) {
  return QRect(QPoint(g.EdgeX(x - 1), g.EdgeY(y - 1)), QPoint(g.EdgeX(x) - 1, g.EdgeY(y) - 1));
}

}  // namespace tochkograf
