#include "images/frame_strip.h"

#include "images/png_codec.h"

namespace tochkograf {

QImage FrameStrip(const Animation& animation) {
  QImage strip(animation.width * animation.Count(), animation.height, QImage::Format_Mono);
  strip.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  strip.fill(0);
  for (int frame = 0; frame < animation.Count(); ++frame) {
    const PackedBlock& cells = animation.frames[frame].cells;
    const int left = frame * animation.width;
    for (int y = 1; y <= animation.height; ++y)
      for (int x = 1; x <= animation.width; ++x)
        if (cells.At(x, y)) strip.setPixel(left + x - 1, y - 1, 1);
  }
  return strip;
}

FormatStatus EncodeFrameStrip(const Animation& animation, QByteArray& bytes) {
  return PngBytes(FrameStrip(animation), bytes);
}

}  // namespace tochkograf
