#include "files/c_array/c_array_reading.h"

#include <algorithm>

#include "files/status_texts.h"

namespace tochkograf {

namespace {

bool InRows(ByteLayout layout) {
  return layout == ByteLayout::RowsMsbLeft || layout == ByteLayout::RowsLsbLeft;
}

// As many whole rows or pages as `count` bytes fill, at most the largest
// picture, at least one.
QSize FilledSize(qint64 count, ByteLayout layout) {
  const qint64 bytes = std::max<qint64>(1, count);
  if (InRows(layout)) {
    const int row_bytes = int(std::min<qint64>(kMaxWidth / 8, bytes));
    return QSize(8 * row_bytes, int(std::clamp<qint64>(bytes / row_bytes, 1, kMaxHeight)));
  }
  const int width = int(std::min<qint64>(kMaxWidth, bytes));
  return QSize(width, 8 * int(std::clamp<qint64>(bytes / width, 1, kMaxHeight / 8)));
}

}  // namespace

const QList<QSize>& ArraySizeGuesses() {
  static const QList<QSize> sizes = {{128, 64}, {128, 32}, {84, 48}, {96, 64},
                                     {64, 48},  {32, 32},  {16, 16}, {72, 14}};
  return sizes;
}

CArrayReading GuessedReading(const CArrayScan& scan) {
  CArrayReading reading;
  const bool x_bitmap = scan.name.endsWith(QStringLiteral("_bits"));
  reading.layout =
      scan.layout.value_or(x_bitmap ? ByteLayout::RowsLsbLeft : ByteLayout::RowsMsbLeft);
  reading.set_bit = scan.set_bit.value_or(SetBit::Ink);
  if (scan.size) {
    reading.size = *scan.size;
    return reading;
  }
  for (const QSize& size : ArraySizeGuesses())
    if (DisplayByteCount(size.width(), size.height(), reading.layout) == scan.count) {
      reading.size = size;
      return reading;
    }
  reading.size = FilledSize(scan.count, reading.layout);
  return reading;
}

qint64 MissingBytes(const CArrayScan& scan, const CArrayReading& reading) {
  const int needed = DisplayByteCount(reading.size.width(), reading.size.height(), reading.layout);
  return std::max<qint64>(0, needed - scan.count);
}

qint64 LeftOverBytes(const CArrayScan& scan, const CArrayReading& reading) {
  const int needed = DisplayByteCount(reading.size.width(), reading.size.height(), reading.layout);
  return std::max<qint64>(0, scan.count - needed);
}

QString LeftOverText(const CArrayScan& scan, const CArrayReading& reading) {
  const qint64 left = LeftOverBytes(scan, reading);
  if (left == 0) return {};
  return QStringLiteral("лишних байтов в конце массива: %1, в рисунок %2 они не вошли")
      .arg(left)
      .arg(SizeText(reading.size.width(), reading.size.height()));
}

Picture CArrayPicture(const CArrayScan& scan, const CArrayReading& reading) {
  return UnpackDisplayBytes(scan.bytes, reading.size.width(), reading.size.height(), reading.layout,
                            reading.set_bit);
}

QString MissingBytesReason(const CArrayScan& scan, const CArrayReading& reading) {
  return QStringLiteral("в массиве байтов: %1, а рисунку %2 в раскладке «%3» нужно %4")
      .arg(scan.count)
      .arg(SizeText(reading.size.width(), reading.size.height()),
           NameOf(reading.layout).caption.toLower())
      .arg(DisplayByteCount(reading.size.width(), reading.size.height(), reading.layout));
}

FormatStatus DecodeCArray(const QByteArray& text, Picture& picture) {
  CArrayScan scan;
  if (const FormatStatus status = ScanCArray(text, scan); status != FormatStatus::Ok) return status;
  const CArrayReading reading = GuessedReading(scan);
  if (MissingBytes(scan, reading) > 0) return FormatStatus::Truncated;
  picture = CArrayPicture(scan, reading);
  return FormatStatus::Ok;
}

}  // namespace tochkograf
