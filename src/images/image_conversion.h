#pragma once

#include <QImage>
#include <QRect>
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
  Display,  // the size of a small display: one of ConversionDisplaySizes()
};

// How an image goes into a size of other proportions than its own.
enum class Framing {
  Contain,  // "Вписать": the whole image, as large as fits, paper round it
  Cover,    // "Заполнить": the image fills the size, its edges cut off evenly
};

// Everything the user can choose in a conversion.
struct ConversionSettings {
  SizeChoice size = SizeChoice::Fit;
  QSize current;                       // the editor's picture size, for SizeChoice::Current
  QSize typed;                         // for SizeChoice::Typed, within 1 x 1 .. 128 x 96
  QSize display = {128, 64};           // for SizeChoice::Display
  Framing framing = Framing::Contain;  // for every size but the fitted one
  int threshold = 128;                 // 0..255: greys darker than this are ink
  Dithering dithering = Dithering::None;
  bool invert = false;

  bool operator==(const ConversionSettings&) const = default;
};

// The display sizes the conversion offers, in its order: 128 x 64,
// 128 x 32, 96 x 64, 84 x 48.
const QList<QSize>& ConversionDisplaySizes();

// The largest size within 128 x 96 with the proportions of `image`, no
// larger than the image itself, at least 1 x 1.
QSize FitSize(QSize image);

// The size of the picture `settings` make of an image of size `image`.
QSize TargetSize(const ConversionSettings& settings, QSize image);

// Where an image of size `image`, held as greys of size `greys`, goes in a
// picture of size `target`: the part of the greys shown, and the part of
// the picture they are scaled into. The rest of the picture is paper.
struct Frame {
  QRect source;  // in the greys
  QRect place;   // in the picture
};
Frame FrameOf(QSize image, QSize greys, QSize target, Framing framing);

// The conversion of one imported image, for settings that change again and
// again: the greys scaled for the last size and framing asked for are kept,
// so a change of threshold, dithering or inversion only converts them once
// more.
class ImageConversion {
 public:
  explicit ImageConversion(const ImportedImage& image) : image_(image) {}

  const ImportedImage& Image() const { return image_; }
  // The picture's greys: the image's as `settings` size and frame them,
  // paper where the image does not reach.
  QImage Greys(const ConversionSettings& settings);
  // The threshold Otsu's method picks for the greys of the image's part
  // of the picture (the paper round it would pull it up).
  int OtsuThresholdFor(const ConversionSettings& settings);
  Picture Result(const ConversionSettings& settings);

 private:
  const QImage& Scaled(const Frame& frame);

  const ImportedImage& image_;
  QRect scaled_source_;
  QImage scaled_;
};

// What a conversion starts from: the fitting size, the threshold Otsu's
// method picks for the greys at that size, no dithering, no inversion; the
// typed size starts at the fitting one.
ConversionSettings DefaultSettings(ImageConversion& conversion, QSize current);

}  // namespace tochkograf
