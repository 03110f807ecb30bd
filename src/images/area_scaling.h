#pragma once

#include <QImage>
#include <QSize>
#include <vector>

namespace tochkograf {

// Scales greys (0 black .. 255 white) to another size by areas: each pixel
// of the result is the mean of the part of the source it covers, parts of
// pixels counted by the share they cover. Shrinking never picks single
// pixels; enlarging repeats them.
//
// The source comes a row at a time, so that a large image can be read in
// bands, or as its file holds it, and never needs a grey copy of its own.
// A row may also come in parts of spaced pixels, in any order, as an
// interlaced file holds it: every source pixel adds its share to the sums
// wherever it comes from. The result takes `to.width() x to.height()` sums
// and one row of them; nothing of the source is kept.
class AreaScaler {
 public:
  // ASSUMPTION: both sizes are at least 1 x 1.
  AreaScaler(QSize from, QSize to);

  // The next row of the source, top down: from.width() greys.
  void AddRow(const uchar* greys);
  // Pixels first, first + step, first + 2 * step... of source row `y`, as
  // many as the row holds. Each pixel is to come once, whether by AddRow or
  // here; pixels outside the source are ignored.
  void AddPixels(int y, int first, int step, const uchar* greys);
  // The scaled image, Format_Grayscale8, once every row has been added.
  QImage Result() const;

 private:
  // Where each source pixel of one direction goes: the result pixels it
  // covers part of, and what share of each it makes up.
  struct Shares {
    Shares(int from, int to);
    std::vector<int> first;  // for source pixel i: entries first[i] .. first[i + 1] - 1
    std::vector<int> target;
    std::vector<float> weight;
  };

  QSize from_, to_;
  // At the same size the rows are only kept: nothing to add up.
  bool same_size_;
  QImage same_;
  Shares across_, down_;
  int row_ = 0;
  std::vector<float> scaled_row_;
  std::vector<float> sums_;
};

// A whole Format_Grayscale8 image scaled to `size` as AreaScaler does.
QImage ScaledGreys(const QImage& greys, QSize size);

}  // namespace tochkograf
