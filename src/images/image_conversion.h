#pragma once

#include <QImage>
#include <QSize>

#include "images/image_reading.h"
#include "images/monochrome.h"
#include "picture/picture.h"

namespace tochkograf {

// The size a converted picture takes.
enum class SizeChoice {
  Fit,      // the largest that fits 128 x 96 with the image's proportions, never enlarged
  Current,  // the size of the picture in the editor
  Typed,    // a width and height of the user's own
};

// Everything the user can choose in a conversion.
struct ConversionSettings {
  SizeChoice size = SizeChoice::Fit;
  QSize current;        // the editor's picture size, for SizeChoice::Current
  QSize typed;          // for SizeChoice::Typed, within 1 x 1 .. 128 x 96
  int threshold = 128;  // 0..255: greys darker than this are ink
  Dithering dithering = Dithering::None;
  bool invert = false;

  bool operator==(const ConversionSettings&) const = default;
};

// The largest size within 128 x 96 with the proportions of `image`, no
// larger than the image itself, at least 1 x 1.
QSize FitSize(QSize image);

// The size of the picture `settings` make of an image of size `image`.
QSize TargetSize(const ConversionSettings& settings, QSize image);

// The conversion of one imported image, for settings that change again and
// again: the greys scaled to the last size asked for are kept, so a change
// of threshold, dithering or inversion only converts them once more.
class ImageConversion {
 public:
  explicit ImageConversion(const ImportedImage& image) : image_(image) {}

  const ImportedImage& Image() const { return image_; }
  // The image's greys at `size`, scaled by areas.
  const QImage& ScaledGreys(QSize size);
  Picture Result(const ConversionSettings& settings);

 private:
  const ImportedImage& image_;
  QImage scaled_;
};

// What a conversion starts from: the fitting size, the threshold Otsu's
// method picks for the greys at that size, no dithering, no inversion; the
// typed size starts at the fitting one.
ConversionSettings DefaultSettings(ImageConversion& conversion, QSize current);

}  // namespace tochkograf
