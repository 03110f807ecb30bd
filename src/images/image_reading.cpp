#include "images/image_reading.h"

#include <QFile>
#include <QImageReader>
#include <QTransform>
#include <algorithm>
#include <vector>

#include "files/formats/otb_format.h"
#include "files/status_texts.h"
#include "images/allocation_limit.h"
#include "images/area_scaling.h"
#include "images/cut_short.h"
#include "images/on_paper.h"
#include "images/png_codec.h"
#include "images/png_rows.h"
#include "images/xpm_colours.h"

namespace tochkograf {

namespace {

// Rows converted at once from an image whose pixels cannot be read as they
// are: a few hundred kilobytes for the widest images Qt decodes.
constexpr int kBandBytes = 256 * 1024;

constexpr qint64 Megabytes(int mb) { return qint64(mb) << 20; }

QSize WorkingSize(QSize size) {
  return QSize(std::min(size.width(), kWorkingSide), std::min(size.height(), kWorkingSide));
}

// The bytes an image of `size` takes in `format`; 32 bits a pixel where
// the reader does not say.
qint64 DecodedBytes(QSize size, QImage::Format format) {
  const int bits =
      format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
  return (qint64(size.width()) * bits + 31) / 32 * 4 * size.height();
}

// The colour of one pixel of a PNG's row, of 1 to 4 channels.
QRgb PngColour(const uchar* pixel, int channels) {
  switch (channels) {
    case 1:
      return qRgb(pixel[0], pixel[0], pixel[0]);
    case 2:
      return qRgba(pixel[0], pixel[0], pixel[0], pixel[1]);
    case 3:
      return qRgb(pixel[0], pixel[1], pixel[2]);
    default:
      return qRgba(pixel[0], pixel[1], pixel[2], pixel[3]);
  }
}

// A PNG's rows averaged into the greys as they come. An image that fits
// the editor also keeps its colours, for the two-colour rule.
class PngGreys : public PngRowSink {
 public:
  void Start(QSize size) override {
    size_ = size;
    scaler_.emplace(size, WorkingSize(size));
    greys_.resize(size.width());
    if (FitsEditor(size.width(), size.height())) {
      colours_ = QImage(size, QImage::Format_ARGB32);
      colours_.fill(Qt::white);
    }
  }

  void Take(const PngRow& row) override {
    const uchar* greys = row.samples;  // one channel: the greys themselves
    if (row.channels > 1) {
      for (int k = 0; k < row.count; ++k)
        greys_[k] = GreyOnPaper(PngColour(row.samples + k * row.channels, row.channels));
      greys = greys_.data();
    }
    scaler_->AddPixels(row.y, row.first, row.step, greys);
    if (colours_.isNull()) return;
    auto* line = reinterpret_cast<QRgb*>(colours_.scanLine(row.y));
    for (int k = 0; k < row.count; ++k)
      line[row.first + k * row.step] = PngColour(row.samples + k * row.channels, row.channels);
  }

  ImportedImage Result() const {
    ImportedImage image{size_, scaler_->Result(), std::nullopt};
    Picture picture;
    if (!colours_.isNull() && TwoColourPicture(colours_, picture)) image.picture = picture;
    return image;
  }

 private:
  QSize size_;
  std::optional<AreaScaler> scaler_;
  std::vector<uchar> greys_;
  QImage colours_;
};

// PNGs are read by libpng a row at a time, not by Qt, whose reader holds
// the whole image (at 16 bits a sample, a 16-bit one) even when asked for
// it reduced. They say nothing of turning.
FormatStatus ReadPng(QIODevice& device, ImportedImage& image) {
  PngGreys greys;
  const FormatStatus status = ReadPngRows(device, greys);
  if (status == FormatStatus::Ok) image = greys.Result();
  return status;
}

void AddArgbRow(const QRgb* row, int width, std::vector<uchar>& greys, AreaScaler& scaler) {
  for (int x = 0; x < width; ++x) greys[x] = GreyOnPaper(row[x]);
  scaler.AddRow(greys.data());
}

// Hands every row of `image` to `scaler` as greys. Greys and 32-bit colours
// are read where they lie; any other format is converted a band of rows at
// a time, never as a whole.
void AddRows(const QImage& image, AreaScaler& scaler) {
  const int width = image.width();
  std::vector<uchar> greys(width);
  const QImage::Format format = image.format();
  if (format == QImage::Format_Grayscale8) {
    for (int y = 0; y < image.height(); ++y) scaler.AddRow(image.constScanLine(y));
    return;
  }
  if (format == QImage::Format_ARGB32 || format == QImage::Format_RGB32) {
    for (int y = 0; y < image.height(); ++y)
      AddArgbRow(reinterpret_cast<const QRgb*>(image.constScanLine(y)), width, greys, scaler);
    return;
  }
  const int band_rows = std::max<qint64>(1, kBandBytes / (4 * qint64(width)));
  for (int top = 0; top < image.height(); top += band_rows) {
    const int rows = std::min(band_rows, image.height() - top);
    // The band's rows where they lie, read only by the conversion.
    QImage band(image.constScanLine(top), width, rows, image.bytesPerLine(), format);
    band.setColorTable(image.colorTable());
    const QImage colours = band.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < rows; ++y)
      AddArgbRow(reinterpret_cast<const QRgb*>(colours.constScanLine(y)), width, greys, scaler);
  }
}

// As QImageReader's own turning would give, applied to a small image.
QImage Oriented(const QImage& image, QImageIOHandler::Transformations turn) {
  if (turn == QImageIOHandler::TransformationNone) return image;
  if (turn == QImageIOHandler::TransformationRotate270)
    return image.transformed(QTransform().rotate(270));
  QImage result = image.mirrored(turn & QImageIOHandler::TransformationMirror,
                                 turn & QImageIOHandler::TransformationFlip);
  if (turn & QImageIOHandler::TransformationRotate90)
    result = result.transformed(QTransform().rotate(90));
  return result;
}

QSize OrientedSize(QSize size, QImageIOHandler::Transformations turn) {
  return turn & QImageIOHandler::TransformationRotate90 ? size.transposed() : size;
}

FormatStatus ReadOtb(QIODevice& device, int memory_limit_mb, ImportedImage& image) {
  // As many pixels as the limit has bytes: a byte each while they are averaged.
  const qint64 max_pixels = Megabytes(memory_limit_mb);
  const QByteArray bytes = device.read(6 + (max_pixels + 7) / 8);
  OtbBitmap otb;
  if (const FormatStatus status = ReadOtbBitmap(bytes, otb); status != FormatStatus::Ok)
    return status;
  if (otb.Pixels() > max_pixels) return FormatStatus::TooLarge;
  if (bytes.size() < otb.Bytes()) return FormatStatus::Truncated;
  const QSize size(otb.width, otb.height);
  AreaScaler scaler(size, WorkingSize(size));
  std::vector<uchar> greys(otb.width);
  for (int y = 0; y < otb.height; ++y) {
    for (int x = 0; x < otb.width; ++x)
      greys[x] = OtbInk(bytes, otb, qint64(y) * otb.width + x) ? 0 : 255;
    scaler.AddRow(greys.data());
  }
  image = {size, scaler.Result(), std::nullopt};
  if (Picture picture; DecodeOtb(bytes, picture) == FormatStatus::Ok) image.picture = picture;
  return FormatStatus::Ok;
}

}  // namespace

FormatStatus ReadImage(QIODevice& device, const QByteArray& format, int memory_limit_mb,
                       ImportedImage& image) {
  if (format == "otb") return ReadOtb(device, memory_limit_mb, image);
  if (format.isEmpty() || format == "png") {
    const FormatStatus png = ReadPng(device, image);
    if (png != FormatStatus::NotThisFormat || !format.isEmpty()) return png;
  }
  const qint64 start = device.pos();
  const AllocationLimit limit(memory_limit_mb);
  XpmColours xpm(device);
  QImageReader reader(&xpm.Device(), format);
  reader.setAutoDetectImageFormat(format.isEmpty());
  if (!reader.canRead())
    return format.isEmpty() ? FormatStatus::NotAnImage : FormatStatus::NotThisFormat;
  // Turned here, once the image is small, rather than by the reader.
  reader.setAutoTransform(false);
  const QImageIOHandler::Transformations turn = reader.transformation();
  const QSize full = reader.size();
  const bool known = full.isValid() && !full.isEmpty();
  const bool reduced =
      known && WorkingSize(full) != full && reader.supportsOption(QImageIOHandler::ScaledSize);
  // Judged by the whole image even where it is decoded reduced: that bounds
  // the time decoding takes as well as the memory.
  if (known && DecodedBytes(full, reader.imageFormat()) > Megabytes(memory_limit_mb))
    return FormatStatus::TooLarge;
  if (reduced) reader.setScaledSize(WorkingSize(full));
  if (CutShort(device, start, reader.format())) return FormatStatus::Truncated;

  QImage decoded = reader.read();
  if (decoded.isNull()) return FormatStatus::Damaged;
  const QSize size = OrientedSize(reduced ? full : decoded.size(), turn);

  std::optional<Picture> picture;
  if (FitsEditor(size.width(), size.height())) {
    Picture two_colours;
    if (TwoColourPicture(Oriented(decoded, turn), two_colours)) picture = two_colours;
  }
  AreaScaler scaler(decoded.size(), WorkingSize(decoded.size()));
  AddRows(decoded, scaler);
  decoded = QImage();
  image = {size, Oriented(scaler.Result(), turn), picture};
  return FormatStatus::Ok;
}

ImportedImage ImportedImageOf(const QImage& decoded) {
  ImportedImage image{decoded.size(), {}, std::nullopt};
  Picture two_colours;
  if (FitsEditor(decoded.width(), decoded.height()) && TwoColourPicture(decoded, two_colours))
    image.picture = two_colours;
  AreaScaler scaler(decoded.size(), WorkingSize(decoded.size()));
  AddRows(decoded, scaler);
  image.greys = scaler.Result();
  return image;
}

ReadStatus ReadImageFile(const QString& name, const QByteArray& format, ImportedImage& image) {
  QFile file;
  ReadStatus status;
  status.file = OpenFileToRead(name, file);
  if (status.file == FileStatus::Ok)
    status.format = ReadImage(file, format, kImageMemoryLimitMb, image);
  return status;
}

}  // namespace tochkograf
