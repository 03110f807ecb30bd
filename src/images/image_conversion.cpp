#include "images/image_conversion.h"

#include <algorithm>
#include <cmath>

#include "images/area_scaling.h"

namespace tochkograf {

QSize FitSize(QSize image) {
  const double scale =
      std::min({1.0, double(kMaxWidth) / image.width(), double(kMaxHeight) / image.height()});
  const auto side = [scale](int length, int most) {
    return std::clamp(static_cast<int>(std::lround(length * scale)), 1, most);
  };
  return QSize(side(image.width(), kMaxWidth), side(image.height(), kMaxHeight));
}

QSize TargetSize(const ConversionSettings& settings, QSize image) {
  switch (settings.size) {
    case SizeChoice::Fit:
      break;
    case SizeChoice::Current:
      return settings.current;
    case SizeChoice::Typed:
      return settings.typed;
  }
  return FitSize(image);
}

const QImage& ImageConversion::ScaledGreys(QSize size) {
  if (scaled_.size() != size) scaled_ = tochkograf::ScaledGreys(image_.greys, size);
  return scaled_;
}

Picture ImageConversion::Result(const ConversionSettings& settings) {
  const QImage& greys = ScaledGreys(TargetSize(settings, image_.size));
  return Monochrome(greys, settings.threshold, settings.dithering, settings.invert);
}

ConversionSettings DefaultSettings(ImageConversion& conversion, QSize current) {
  ConversionSettings settings;
  settings.current = current;
  settings.typed = FitSize(conversion.Image().size);
  settings.threshold = OtsuThreshold(conversion.ScaledGreys(settings.typed));
  return settings;
}

}  // namespace tochkograf
