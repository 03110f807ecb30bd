// Feeds arbitrary bytes to the EMS picture reader, as the open command does
// with a file's contents, and checks what it promises: a refused file
// changes nothing, an accepted one has a size the editor can show, and
// writing it back gives the same bytes.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "files/ems_format.h"

using namespace tochkograf;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  Picture picture;
  picture.cells(100, 50) = kOn;
  const PixelGrid before = picture.cells;
  if (DecodeEms(bytes, picture) != FormatStatus::Ok) {
    if (!(picture.cells == before) || picture.width != 0) std::abort();
    return 0;
  }
  if (!FitsEditor(picture.width, picture.height)) std::abort();
  QByteArray again = EncodeEms(picture);
  again[0] = bytes[0];
  if (again != bytes.left(again.size())) std::abort();
  return 0;
}
