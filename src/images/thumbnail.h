#pragma once

#include <QImage>

#include "picture/picture.h"

namespace tochkograf {

// The largest thumbnail side the program draws; file managers ask for 1024
// at most.
constexpr int kMaxThumbnailSize = 4096;

// The picture as a `size` x `size` image (1..kMaxThumbnailSize) for file
// managers: ink black, paper white, centred on transparent margins. Each
// picture pixel is a whole square block, as large as fits. A picture larger
// than `size` is shrunk by one factor for both directions, each image pixel
// showing the picture pixel under its centre.
QImage Thumbnail(const Picture& picture, int size);

}  // namespace tochkograf
