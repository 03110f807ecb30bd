#include "files/formats/gif_animation.h"

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace tochkograf {

namespace {

constexpr GifPixelType kPaper = 0, kInk = 1;

// giflib's output: the bytes it gives are added to the QByteArray it holds.
int AppendTo(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

struct Closer {
  void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};
using GifWriter = std::unique_ptr<GifFileType, Closer>;

struct MapFreer {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// NETSCAPE2.0's loop count 0: the viewers show the frames over and over.
bool PutEndlessLoop(GifFileType* gif) {
  static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  static const GifByteType kLoop[] = {1, 0, 0};  // sub-block 1, count 0 (little-endian)
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kApplication, kApplication) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kLoop, kLoop) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutDuration(GifFileType* gif, int milliseconds) {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.DelayTime = (milliseconds + 5) / 10;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const auto length = static_cast<int>(EGifGCBToExtension(&control, extension));
  return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, extension) == GIF_OK;
}

bool PutFrame(GifFileType* gif, const Animation& animation, int index) {
  if (EGifPutImageDesc(gif, 0, 0, animation.width, animation.height, false, nullptr) != GIF_OK)
    return false;
  const PackedBlock& cells = animation.frames[index].cells;
  std::vector<GifPixelType> line(animation.width);
  for (int y = 1; y <= animation.height; ++y) {
    for (int x = 1; x <= animation.width; ++x) line[x - 1] = cells.At(x, y) ? kInk : kPaper;
    if (EGifPutLine(gif, line.data(), animation.width) != GIF_OK) return false;
  }
  return true;
}

bool PutAll(GifFileType* gif, const Animation& animation) {
  const GifColorType colours[] = {{255, 255, 255}, {0, 0, 0}};  // by kPaper, kInk
  const std::unique_ptr<ColorMapObject, MapFreer> palette(GifMakeMapObject(2, colours));
  if (!palette) return false;
  const bool moving = animation.Count() > 1;
  EGifSetGifVersion(gif, moving);
  if (EGifPutScreenDesc(gif, animation.width, animation.height, 1, kPaper, palette.get()) != GIF_OK)
    return false;
  if (moving && !PutEndlessLoop(gif)) return false;
  for (int i = 0; i < animation.Count(); ++i) {
    if (moving && !PutDuration(gif, animation.frames[i].duration)) return false;
    if (!PutFrame(gif, animation, i)) return false;
  }
  return true;
}

}  // namespace

FormatStatus EncodeGifAnimation(const Animation& animation, QByteArray& bytes) {
  QByteArray written;
  int error = 0;
  GifWriter gif(EGifOpen(&written, AppendTo, &error));
  if (!gif || !PutAll(gif.get(), animation)) return FormatStatus::NotEncoded;
  // Closing writes the trailer; it frees the writer whether or not it fails.
  if (EGifCloseFile(gif.release(), &error) != GIF_OK) return FormatStatus::NotEncoded;
  bytes = written;
  return FormatStatus::Ok;
}

}  // namespace tochkograf
