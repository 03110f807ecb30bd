// Feeds arbitrary bytes to the OTB reader, as the import does with a file's
// contents: a refused file leaves the image as it was; an accepted one has
// as many pixels as its sizes say, each ink or paper, never more than the
// reader was allowed; and as a picture it is one the editor can hold.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "files/otb_format.h"
#include "files/picture_codecs.h"

using namespace tochkograf;

namespace {

constexpr qint64 kMaxPixels = 1 << 16;

void CheckImage(const QByteArray& bytes) {
  OtbImage image{-1, -1, QByteArray("untouched")};
  if (DecodeOtb(bytes, image, kMaxPixels) != OtbStatus::Ok) {
    if (image.width != -1 || image.height != -1 || image.ink != "untouched") std::abort();
    return;
  }
  const qint64 pixels = qint64(image.width) * image.height;
  if (image.width < 1 || image.height < 1 || pixels > kMaxPixels || image.ink.size() != pixels)
    std::abort();
  for (const char ink : image.ink)
    if (ink != 0 && ink != 1) std::abort();
}

void CheckPicture(const QByteArray& bytes) {
  Picture picture;
  if (ReadOtbPicture(bytes, picture) != FormatStatus::Ok) {
    if (picture.width != 0 || picture.height != 0) std::abort();
    return;
  }
  if (!FitsEditor(picture.width, picture.height)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  CheckImage(bytes);
  CheckPicture(bytes);
  return 0;
}
