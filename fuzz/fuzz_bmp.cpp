// Feeds arbitrary bytes to the BMP decoder, as the import does with a
// file's contents: a refused file changes nothing, an accepted one has a
// size the editor can show and touches no cell outside it.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "files/formats/bmp_format.h"

using namespace tochkograf;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  Picture picture;
  for (int y = 0; y < PixelGrid::kRows; ++y)
    for (int x = 0; x < PixelGrid::kColumns; ++x) picture.cells(x, y) = 7;
  if (DecodeBmp(bytes, picture) != FormatStatus::Ok) {
    for (int y = 0; y < PixelGrid::kRows; ++y)
      for (int x = 0; x < PixelGrid::kColumns; ++x)
        if (picture.cells(x, y) != 7) std::abort();
    return 0;
  }
  if (picture.width < 1 || picture.width > kMaxWidth || picture.height < 1 ||
      picture.height > kMaxHeight)
    std::abort();
  for (int y = 0; y < PixelGrid::kRows; ++y)
    for (int x = 0; x < PixelGrid::kColumns; ++x) {
      const bool inside = x >= 1 && x <= picture.width && y >= 1 && y <= picture.height;
      const Flag cell = picture.cells(x, y);
      if (inside ? (cell != kOn && cell != kOff) : cell != 7) std::abort();
    }
  return 0;
}
