#include "images/area_scaling.h"

#include <algorithm>
#include <cmath>

namespace tochkograf {

// Result pixel j covers the source from j * from / to to (j + 1) * from / to;
// source pixel i covers i to i + 1. Worked in units of 1 / to, so that every
// edge is a whole number and the shares add up to exactly 1.
AreaScaler::Shares::Shares(int from, int to) {
  first.reserve(from + 1);
  for (int i = 0; i < from; ++i) {
    first.push_back(static_cast<int>(target.size()));
    const long long begin = static_cast<long long>(i) * to, end = begin + to;
    for (long long j = begin / from; j < to && j * from < end; ++j) {
      const long long overlap = std::min(end, (j + 1) * from) - std::max(begin, j * from);
      if (overlap <= 0) continue;
      target.push_back(static_cast<int>(j));
      weight.push_back(static_cast<float>(static_cast<double>(overlap) / from));
    }
  }
  first.push_back(static_cast<int>(target.size()));
}

AreaScaler::AreaScaler(QSize from, QSize to)
    : to_(to),
      same_size_(from == to),
      same_(same_size_ ? QImage(to, QImage::Format_Grayscale8) : QImage()),
      across_(same_size_ ? 0 : from.width(), to.width()),
      down_(same_size_ ? 0 : from.height(), to.height()),
      scaled_row_(same_size_ ? 0 : to.width()),
      sums_(same_size_ ? 0 : static_cast<std::size_t>(to.width()) * to.height()) {}

void AreaScaler::AddRow(const uchar* greys) {
  if (same_size_) {
    if (row_ < to_.height()) std::copy_n(greys, to_.width(), same_.scanLine(row_++));
    return;
  }
  if (row_ + 1 >= static_cast<int>(down_.first.size())) return;  // past the last row
  std::fill(scaled_row_.begin(), scaled_row_.end(), 0.0f);
  const int width = static_cast<int>(across_.first.size()) - 1;
  for (int i = 0; i < width; ++i)
    for (int k = across_.first[i]; k < across_.first[i + 1]; ++k)
      scaled_row_[across_.target[k]] += across_.weight[k] * greys[i];
  for (int k = down_.first[row_]; k < down_.first[row_ + 1]; ++k) {
    float* sums = sums_.data() + static_cast<std::size_t>(down_.target[k]) * to_.width();
    const float share = down_.weight[k];
    for (int x = 0; x < to_.width(); ++x) sums[x] += share * scaled_row_[x];
  }
  ++row_;
}

QImage AreaScaler::Result() const {
  if (same_size_) return same_;
  QImage image(to_, QImage::Format_Grayscale8);
  for (int y = 0; y < to_.height(); ++y) {
    uchar* row = image.scanLine(y);
    const float* sums = sums_.data() + static_cast<std::size_t>(y) * to_.width();
    for (int x = 0; x < to_.width(); ++x)
      row[x] = static_cast<uchar>(std::clamp(std::lround(sums[x]), 0L, 255L));
  }
  return image;
}

QImage ScaledGreys(const QImage& greys, QSize size) {
  if (greys.size() == size) return greys;
  AreaScaler scaler(greys.size(), size);
  for (int y = 0; y < greys.height(); ++y) scaler.AddRow(greys.constScanLine(y));
  return scaler.Result();
}

}  // namespace tochkograf
