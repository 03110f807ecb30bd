// Feeds arbitrary bytes to the OTB reader, as the import does with a file's
// contents: a refused header leaves the bitmap as it was; an accepted one
// has sizes of at least one pixel, and every pixel the bytes hold can be
// read; and as a picture it is one the editor can hold.

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "files/formats/otb_format.h"

using namespace tochkograf;

namespace {

constexpr qint64 kMaxPixels = 1 << 16;

// The header of a bitmap of any size, and every pixel the bytes hold, as the
// image import reads them.
void CheckBitmap(const QByteArray& bytes) {
  OtbBitmap bitmap{-1, -1, -1};
  if (ReadOtbBitmap(bytes, bitmap) != FormatStatus::Ok) {
    if (bitmap.width != -1 || bitmap.height != -1 || bitmap.header != -1) std::abort();
    return;
  }
  if (bitmap.width < 1 || bitmap.height < 1 || (bitmap.header != 4 && bitmap.header != 6))
    std::abort();
  if (bytes.size() < bitmap.Bytes()) return;
  int ink = 0;
  for (qint64 pixel = 0; pixel < std::min(bitmap.Pixels(), kMaxPixels); ++pixel)
    ink += OtbInk(bytes, bitmap, pixel);
  if (ink < 0) std::abort();
}

void CheckPicture(const QByteArray& bytes) {
  Picture picture;
  if (DecodeOtb(bytes, picture) != FormatStatus::Ok) {
    if (picture.width != 0 || picture.height != 0) std::abort();
    return;
  }
  if (!FitsEditor(picture.width, picture.height)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  CheckBitmap(bytes);
  CheckPicture(bytes);
  return 0;
}
