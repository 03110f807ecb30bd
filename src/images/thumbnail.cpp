#include "images/thumbnail.h"

#include <algorithm>

namespace tochkograf {

namespace {

enum : uchar { kMargin, kInk, kPaper };

// The side in image pixels of `cells` picture pixels, when the longer side
// of `longest` pixels is to fit in `size`.
int ScaledSide(int cells, int longest, int size) {
  if (size >= longest) return cells * (size / longest);
  return std::max(1, (cells * size + longest / 2) / longest);
}

}  // namespace

QImage Thumbnail(const Picture& picture, int size) {
  QImage image(size, size, QImage::Format_Indexed8);
  image.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)});
  image.fill(kMargin);
  const int longest = std::max(picture.width, picture.height);
  const int width = ScaledSide(picture.width, longest, size);
  const int height = ScaledSide(picture.height, longest, size);
  const int left = (size - width) / 2, top = (size - height) / 2;
  for (int j = 0; j < height; ++j) {
    // The picture pixel under the centre of each image pixel.
    const int y = (2 * j + 1) * picture.height / (2 * height) + 1;
    uchar* row = image.scanLine(top + j) + left;
    for (int i = 0; i < width; ++i) {
      const int x = (2 * i + 1) * picture.width / (2 * width) + 1;
      row[i] = picture.cells(x, y) != kOff ? kInk : kPaper;
    }
  }
  return image;
}

}  // namespace tochkograf
