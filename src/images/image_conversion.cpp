#include "images/image_conversion.h"

#include <algorithm>
#include <cmath>

#include "images/area_scaling.h"

namespace tochkograf {

namespace {

int Rounded(double length, int most) {
  return std::clamp(static_cast<int>(std::lround(length)), 1, most);
}

// `inner` centred in `outer`, both from the origin.
QRect Centred(QSize inner, QSize outer) {
  return QRect(QPoint((outer.width() - inner.width()) / 2, (outer.height() - inner.height()) / 2),
               inner);
}

}  // namespace

const QList<QSize>& ConversionDisplaySizes() {
  static const QList<QSize> sizes = {{128, 64}, {128, 32}, {96, 64}, {84, 48}};
  return sizes;
}

QSize FitSize(QSize image) {
  const double scale =
      std::min({1.0, double(kMaxWidth) / image.width(), double(kMaxHeight) / image.height()});
  return QSize(Rounded(image.width() * scale, kMaxWidth),
               Rounded(image.height() * scale, kMaxHeight));
}

QSize TargetSize(const ConversionSettings& settings, QSize image) {
  switch (settings.size) {
    case SizeChoice::Fit:
      break;
    case SizeChoice::Current:
      return settings.current;
    case SizeChoice::Typed:
      return settings.typed;
    case SizeChoice::Display:
      return settings.display;
  }
  return FitSize(image);
}

Frame FrameOf(QSize image, QSize greys, QSize target, Framing framing) {
  const double across = double(target.width()) / image.width();
  const double down = double(target.height()) / image.height();
  if (framing == Framing::Contain) {
    const double scale = std::min(across, down);
    const QSize inner(Rounded(image.width() * scale, target.width()),
                      Rounded(image.height() * scale, target.height()));
    return {QRect(QPoint(), greys), Centred(inner, target)};
  }
  // The middle of the image with the target's proportions, in the greys'
  // pixels.
  const double scale = std::max(across, down);
  const QSize shown(
      Rounded(target.width() / scale * greys.width() / image.width(), greys.width()),
      Rounded(target.height() / scale * greys.height() / image.height(), greys.height()));
  return {Centred(shown, greys), QRect(QPoint(), target)};
}

namespace {

// The fitted size has the image's proportions: it takes the whole image.
Frame FrameFor(const ConversionSettings& settings, const ImportedImage& image) {
  const QSize target = TargetSize(settings, image.size);
  if (settings.size == SizeChoice::Fit) return {image.greys.rect(), QRect(QPoint(), target)};
  return FrameOf(image.size, image.greys.size(), target, settings.framing);
}

}  // namespace

const QImage& ImageConversion::Scaled(const Frame& frame) {
  if (scaled_source_ != frame.source || scaled_.size() != frame.place.size()) {
    const QImage& greys = image_.greys;
    const QImage part = frame.source == greys.rect() ? greys : greys.copy(frame.source);
    scaled_ = ScaledGreys(part, frame.place.size());
    scaled_source_ = frame.source;
  }
  return scaled_;
}

QImage ImageConversion::Greys(const ConversionSettings& settings) {
  const Frame frame = FrameFor(settings, image_);
  const QImage& scaled = Scaled(frame);
  const QSize target = TargetSize(settings, image_.size);
  if (frame.place.size() == target) return scaled;
  QImage framed(target, QImage::Format_Grayscale8);
  framed.fill(255);
  for (int y = 0; y < scaled.height(); ++y)
    std::copy_n(scaled.constScanLine(y), scaled.width(),
                framed.scanLine(frame.place.top() + y) + frame.place.left());
  return framed;
}

int ImageConversion::OtsuThresholdFor(const ConversionSettings& settings) {
  return OtsuThreshold(Scaled(FrameFor(settings, image_)));
}

Picture ImageConversion::Result(const ConversionSettings& settings) {
  return Monochrome(Greys(settings), settings.threshold, settings.dithering, settings.invert);
}

ConversionSettings DefaultSettings(ImageConversion& conversion, QSize current) {
  ConversionSettings settings;
  settings.current = current;
  settings.typed = FitSize(conversion.Image().size);
  settings.threshold = conversion.OtsuThresholdFor(settings);
  return settings;
}

}  // namespace tochkograf
