#pragma once

#include <QSize>
#include <QString>
#include <optional>

#include "images/image_conversion.h"

namespace tochkograf {

// How --convert turns an image into a picture where the defaults (those of
// the import's conversion dialog) will not do.
struct ConversionOptions {
  std::optional<QSize> size;           // --size WxH
  std::optional<int> threshold;        // --threshold N
  std::optional<Dithering> dithering;  // --dither none|floyd|bayer
  bool invert = false;                 // --invert
  std::optional<Framing> framing;      // --fit contain|cover

  bool Any() const { return size || threshold || dithering || invert || framing; }
  // The dialog's defaults for the image, with these in their place.
  ConversionSettings Settings(ImageConversion& conversion) const;
};

// The values of --size and --threshold as typed; what is wrong with them
// in Russian, or nothing.
QString ReadSize(const QString& text, std::optional<QSize>& size);
QString ReadThreshold(const QString& text, std::optional<int>& threshold);

}  // namespace tochkograf
