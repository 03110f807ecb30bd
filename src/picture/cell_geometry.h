#pragma once

#include <vector>

namespace tochkograf {

// Where the cell boundaries of the enlarged picture fall on whole pixels.
//
// The picture is stretched over an area of `width` x `height` pixels. Pixel
// column c belongs to the cell the pen maps position c to (floor of c divided
// by the cell width, plus one), so what the user sees under a pixel is what a
// click there changes. Boundary i (0..count) is the first pixel of cell i + 1;
// boundary 0 is 0 and the last boundary is the area's edge, so the cells tile
// the area exactly. A cell narrower than a pixel may own no pixel at all.
class CellGeometry {
 public:
  CellGeometry(int width, int height, int columns, int rows);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }

  // First pixel of column x + 1 (and one past the last pixel of column x).
  int EdgeX(int i) const { return edges_x_[i]; }
  int EdgeY(int i) const { return edges_y_[i]; }

  // The pixel column or row on which the grid line of boundary i is drawn:
  // the boundary itself, except that the far edge's line is pulled one pixel
  // in so that it stays inside the area. Neighbouring cells share one line.
  int LineX(int i) const { return LinePosition(edges_x_[i], width_); }
  int LineY(int i) const { return LinePosition(edges_y_[i], height_); }

  // The 1-based cell holding pixel column c / row r (0 when there is none).
  int ColumnAt(int c) const { return CellAt(edges_x_, c); }
  int RowAt(int r) const { return CellAt(edges_y_, r); }

 private:
  static std::vector<int> Edges(int extent, int count);
  static int LinePosition(int edge, int extent) { return edge < extent ? edge : extent - 1; }
  static int CellAt(const std::vector<int>& edges, int pixel);

  int width_, height_, columns_, rows_;
  std::vector<int> edges_x_, edges_y_;
};

}  // namespace tochkograf
