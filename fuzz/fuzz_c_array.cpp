// Feeds arbitrary text to the C-array reader, as the import does with a
// file's contents: a refused text leaves the scan as it was; an accepted
// one has values, at most as many kept as counted, and a size the editor
// can hold; the guessed reading gives such a picture, and the file type's
// reader agrees with the scan.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "files/c_array/c_array_reading.h"

using namespace tochkograf;

namespace {

void Check(const QByteArray& text) {
  CArrayScan scan;
  scan.count = -7;
  const FormatStatus status = ScanCArray(text, scan);
  Picture picture{-1, -1, {}};
  const FormatStatus decoded = DecodeCArray(text, picture);
  if (status != FormatStatus::Ok) {
    if (scan.count != -7 || !scan.bytes.isEmpty() || decoded != status || picture.width != -1)
      std::abort();
    return;
  }
  if (scan.count < 1 || scan.bytes.size() > scan.count || scan.line < 1) std::abort();
  if (scan.size && !FitsEditor(scan.size->width(), scan.size->height())) std::abort();
  const CArrayReading reading = GuessedReading(scan);
  if (!FitsEditor(reading.size.width(), reading.size.height())) std::abort();
  const Picture read = CArrayPicture(scan, reading);
  if (read.width != reading.size.width() || read.height != reading.size.height()) std::abort();
  const bool enough = MissingBytes(scan, reading) == 0;
  if (enough != (decoded == FormatStatus::Ok)) std::abort();
  if (enough && !(picture == read)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Check(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  return 0;
}
