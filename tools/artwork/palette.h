#pragma once

#include <QImage>

namespace artwork {

// The picture in at most 256 colours, chosen by median cut over its own
// colours; every pixel takes the nearest of them, without dithering, so that
// the dots stay clean.
QImage To256Colours(const QImage& picture);

}  // namespace artwork
