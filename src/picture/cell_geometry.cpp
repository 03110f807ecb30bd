#include "picture/cell_geometry.h"

#include <algorithm>
#include <cmath>

namespace tochkograf {

CellGeometry::CellGeometry(int width, int height, int columns, int rows)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      columns_(std::max(columns, 0)),
      rows_(std::max(rows, 0)),
      edges_x_(Edges(width_, columns_)),
      edges_y_(Edges(height_, rows_)) {}

std::vector<int> CellGeometry::Edges(int extent, int count) {
  std::vector<int> edges(count + 1, extent);
  if (count == 0 || extent == 0) return edges;
  const double cell_size = static_cast<double>(extent) / count;
  // The same arithmetic as the pen, so the two never disagree about a pixel.
  const auto cell_of = [&](int pixel) { return std::floor(pixel / cell_size); };
  for (int i = 0; i <= count; ++i) {
    int c = std::clamp(static_cast<int>(std::ceil(cell_size * i)), 0, extent);
    while (c > 0 && cell_of(c - 1) >= i) --c;
    while (c < extent && cell_of(c) < i) ++c;
    edges[i] = c;
  }
  return edges;
}

int CellGeometry::CellAt(const std::vector<int>& edges, int pixel) {
  if (edges.size() < 2 || pixel < edges.front() || pixel >= edges.back()) return 0;
  // The first boundary beyond the pixel closes its cell.
  const auto after = std::upper_bound(edges.begin(), edges.end(), pixel);
  return static_cast<int>(after - edges.begin());
}

}  // namespace tochkograf
