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

#include "images/image_conversion.h"
#include "images/image_reading.h"

using namespace tochkograf;

namespace {

constexpr int kMemoryLimitMb = 8;

void Check(bool condition) {
  if (!condition) std::abort();
}

// Qt's warnings about bad files would fill the fuzzer's log.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

ConversionSettings Chosen(ImageConversion& conversion, std::uint8_t choice) {
  ConversionSettings settings =
      DefaultSettings(conversion, QSize(1 + choice % kMaxWidth, 1 + choice % kMaxHeight));
  settings.size = SizeChoice((choice >> 1) % 3);
  settings.typed = QSize(1 + (choice * 7) % kMaxWidth, 1 + (choice * 5) % kMaxHeight);
  settings.dithering = Dithering((choice >> 3) % 3);
  settings.invert = choice & 0x40;
  if (choice & 0x80) settings.threshold = choice;
  return settings;
}

}  // namespace

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
