#include "images/png_codec.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>

#include "images/on_paper.h"

namespace tochkograf {

namespace {

constexpr char kPng[] = "png";
constexpr int kDotsPerMetre = 2835;  // 72 per inch, as in the BMP files

// Puts the distinct colours of `image` (ARGB32), as they show on paper, in
// `colours` and returns how many there are; 3 stands for more than two.
int CollectColours(const QImage& image, QRgb (&colours)[2]) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb colour = OnPaper(row[x]);
      if (std::find(colours, colours + count, colour) != colours + count) continue;
      if (count == 2) return 3;
      colours[count++] = colour;
    }
  }
  return count;
}

}  // namespace

FormatStatus EncodePng(const Picture& picture, QByteArray& bytes) {
  return PngBytes(PictureImage(picture), bytes);
}

QImage PictureImage(const Picture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_Mono);
  image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  image.fill(0);
  for (int y = 1; y <= picture.height; ++y) {
    uchar* row = image.scanLine(y - 1);
    for (int x = 1; x <= picture.width; ++x)
      if (picture.cells(x, y) != kOff) row[(x - 1) / 8] |= 0x80 >> ((x - 1) % 8);
  }
  return image;
}

FormatStatus PngBytes(const QImage& picture, QByteArray& bytes) {
  // Qt gives a new image the screen's density, or a guess without one:
  // files written alike need one of their own.
  QImage image = picture;
  image.setDotsPerMeterX(kDotsPerMetre);
  image.setDotsPerMeterY(kDotsPerMetre);
  QByteArray written;
  QBuffer buffer(&written);
  buffer.open(QIODevice::WriteOnly);
  if (!QImageWriter(&buffer, kPng).write(image)) return FormatStatus::NotEncoded;
  bytes = written;
  return FormatStatus::Ok;
}

FormatStatus DecodePng(const QByteArray& bytes, Picture& picture) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, kPng);
  reader.setAutoDetectImageFormat(false);
  if (!reader.canRead()) return FormatStatus::NotThisFormat;
  const QSize size = reader.size();
  if (!FitsEditor(size.width(), size.height())) return FormatStatus::BadSize;
  const QImage image = reader.read();
  if (image.isNull() || image.size() != size) return FormatStatus::Damaged;
  return TwoColourPicture(image, picture) ? FormatStatus::Ok : FormatStatus::NotTwoColours;
}

bool TwoColourPicture(const QImage& original, Picture& picture) {
  const QImage image = original.convertToFormat(QImage::Format_ARGB32);
  QRgb colours[2] = {};
  const int count = CollectColours(image, colours);
  if (count > 2) return false;
  const QRgb darker =
      count == 2 && BrightnessOf(colours[1]) < BrightnessOf(colours[0]) ? colours[1] : colours[0];
  // One colour alone is ink only when it is nearer black than white.
  const bool has_ink = count == 2 || BrightnessOf(darker) < BrightnessOf(qRgb(128, 128, 128));
  picture = {image.width(), image.height(), {}};
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      picture.cells(x + 1, y + 1) = has_ink && OnPaper(row[x]) == darker ? kOn : kOff;
  }
  return true;
}

}  // namespace tochkograf
