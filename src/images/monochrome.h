#pragma once

#include <QImage>

#include "picture/picture.h"

namespace tochkograf {

// How greys between black and white become ink and paper.
enum class Dithering {
  None,            // each pixel on its own against the threshold
  FloydSteinberg,  // each pixel's error spread to the pixels beside and below it
  Bayer,           // greys compared with a 4 x 4 ordered pattern of levels
};

// The threshold Otsu's method picks for `greys` (Format_Grayscale8): the
// one that best parts them into two classes, darker and lighter, by the
// variance between the classes. Where several part them equally well (two
// levels far apart) the middle of those; 128 for an image of one grey.
int OtsuThreshold(const QImage& greys);

// The picture of `greys`, at their size: a pixel darker than `threshold`
// (0..255) is ink, and with `invert` it is paper instead. Dithering keeps
// the share of ink of a flat grey near its darkness below the threshold;
// the ordered pattern leaves white all paper and black all ink at every
// threshold, and a grey equal to the threshold half ink.
// ASSUMPTION: greys is Format_Grayscale8 and fits the editor.
Picture Monochrome(const QImage& greys, int threshold, Dithering dithering, bool invert);

}  // namespace tochkograf
