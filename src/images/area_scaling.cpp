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
    : from_(from),
      to_(to),
      same_size_(from == to),
      same_(same_size_ ? QImage(to, QImage::Format_Grayscale8) : QImage()),
      across_(same_size_ ? 0 : from.width(), to.width()),
      down_(same_size_ ? 0 : from.height(), to.height()),
      scaled_row_(same_size_ ? 0 : to.width()),
      sums_(same_size_ ? 0 : static_cast<std::size_t>(to.width()) * to.height()) {
  // Pixels that never come (a file that fails half-way) are paper.
  if (same_size_) same_.fill(255);
}

void AreaScaler::AddRow(const uchar* greys) { AddPixels(row_++, 0, 1, greys); }

void AreaScaler::AddPixels(int y, int first, int step, const uchar* greys) {
  if (y < 0 || y >= from_.height() || first < 0 || step < 1) return;
  const int count = first < from_.width() ? (from_.width() - first + step - 1) / step : 0;
  if (same_size_) {
    uchar* row = same_.scanLine(y);
    for (int k = 0; k < count; ++k) row[first + k * step] = greys[k];
    return;
  }
  std::fill(scaled_row_.begin(), scaled_row_.end(), 0.0f);
  for (int k = 0, i = first; k < count; ++k, i += step)
    for (int s = across_.first[i]; s < across_.first[i + 1]; ++s)
      scaled_row_[across_.target[s]] += across_.weight[s] * greys[k];
  for (int s = down_.first[y]; s < down_.first[y + 1]; ++s) {
    float* sums = sums_.data() + static_cast<std::size_t>(down_.target[s]) * to_.width();
    const float share = down_.weight[s];
    for (int x = 0; x < to_.width(); ++x) sums[x] += share * scaled_row_[x];
  }
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
