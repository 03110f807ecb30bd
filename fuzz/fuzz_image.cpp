// Feeds arbitrary bytes to the whole image import, as the import does with
// a file's contents, under a small memory limit: PNGs through libpng a row
// at a time, JPEG and GIF through the walk that finds them cut short and
// then Qt's readers, the rest through Qt's readers. A refused file gives no
// image; a read one has greys no larger than the working size and a
// picture, where it comes as it is, that the editor can show; and it
// converts, with the settings the first byte chooses, into a picture of the
// size those settings ask for.

#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "image_fuzzing.h"
#include "images/image_conversion.h"
#include "images/image_reading.h"

using namespace tochkograf;
using namespace tochkograf::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const QtMessageHandler previous = qInstallMessageHandler(Quiet);
  (void)previous;
  if (size == 0) return 0;
  // The first byte: whether the rest is read as OTB (which no content shows),
  // and how it is converted.
  const std::uint8_t choice = data[0];
  QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  ImportedImage image;
  const FormatStatus status =
      ReadImage(buffer, choice & 1 ? QByteArray("otb") : QByteArray(), kMemoryLimitMb, image);
  if (status != FormatStatus::Ok) {
    Check(image.greys.isNull() && !image.picture && image.size.isEmpty());
    return 0;
  }
  Check(image.size.width() >= 1 && image.size.height() >= 1);
  Check(image.greys.format() == QImage::Format_Grayscale8);
  Check(image.greys.size() == image.size.boundedTo(QSize(kWorkingSide, kWorkingSide)));
  if (image.picture) {
    Check(QSize(image.picture->width, image.picture->height) == image.size);
    Check(FitsEditor(image.picture->width, image.picture->height));
  }
  ImageConversion conversion(image);
  const ConversionSettings settings = Chosen(conversion, choice);
  Check(settings.threshold >= 0 && settings.threshold <= 255);
  const Picture picture = conversion.Result(settings);
  Check(QSize(picture.width, picture.height) == TargetSize(settings, image.size));
  Check(FitsEditor(picture.width, picture.height));
  return 0;
}
