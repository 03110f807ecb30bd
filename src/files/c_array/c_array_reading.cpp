#include "files/c_array/c_array_reading.h"

#include <algorithm>
#include <optional>

#include "files/c_array/picture_likeness.h"
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
  static const QList<QSize> sizes = {{128, 64}, {128, 32}, {84, 48}, {96, 64}, {64, 48},
                                     {32, 32},  {16, 16},  {72, 14}, {64, 64}, {64, 32}};
  return sizes;
}

QList<QSize> FittingSizes(const CArrayScan& scan, ByteLayout layout) {
  QList<QSize> sizes;
  for (const QSize& size : ArraySizeGuesses())
    if (DisplayByteCount(size.width(), size.height(), layout) == scan.count) sizes += size;
  return sizes;
}

namespace {

// How well a reading fits the array's bytes, best first: it takes every
// byte at a size of ArraySizeGuesses (and the bits beyond the picture, if
// any, are clear), or every byte at the size the bytes fill, or leaves some
// over, or lacks some.
enum class Fill { Exact, PaddingSet, Filled, LeftOver, Missing };

struct Candidate {
  CArrayReading reading;
  Fill fill;
  PictureLikeness likeness;
};

Candidate Judged(const CArrayScan& scan, const CArrayReading& reading, bool listed) {
  const Picture picture = CArrayPicture(scan, reading);
  const QByteArray packed = PackDisplayBytes(picture, reading.layout, reading.set_bit);
  Fill fill = Fill::Exact;
  if (MissingBytes(scan, reading) > 0)
    fill = Fill::Missing;
  else if (LeftOverBytes(scan, reading) > 0)
    fill = Fill::LeftOver;
  else if (!listed)
    fill = Fill::Filled;
  else if (packed != scan.bytes.left(packed.size()))
    fill = Fill::PaddingSet;
  return {reading, fill, LikenessOf(picture)};
}

// Of the sizes of one layout, the one that puts near pixels side by side.
bool BetterSize(const Candidate& one, const Candidate& other) {
  if (one.fill != other.fill) return one.fill < other.fill;
  return one.likeness.dependence > other.likeness.dependence;
}

// Of the layouts, the one whose byte grid shows least.
bool BetterLayout(const Candidate& one, const Candidate& other) {
  if (one.fill != other.fill) return one.fill < other.fill;
  return one.likeness.seams < other.likeness.seams;
}

Candidate BestSize(const CArrayScan& scan, ByteLayout layout) {
  const SetBit meaning = scan.set_bit.value_or(SetBit::Ink);
  if (scan.size) return Judged(scan, {*scan.size, layout, meaning}, true);
  std::optional<Candidate> best;
  for (const QSize& size : FittingSizes(scan, layout)) {
    const Candidate candidate = Judged(scan, {size, layout, meaning}, true);
    if (!best || BetterSize(candidate, *best)) best = candidate;
  }
  const Candidate filled = Judged(scan, {FilledSize(scan.count, layout), layout, meaning}, false);
  return best && !BetterSize(filled, *best) ? *best : filled;
}

}  // namespace

CArrayReading GuessedReading(const CArrayScan& scan) {
  QList<ByteLayout> layouts;
  if (scan.layout)
    layouts = {*scan.layout};
  else if (scan.name.endsWith(QStringLiteral("_bits")))
    layouts = {ByteLayout::RowsLsbLeft};
  else
    for (const LayoutName& name : LayoutNames()) layouts += name.layout;
  std::optional<Candidate> best;
  for (const ByteLayout layout : layouts) {
    const Candidate candidate = BestSize(scan, layout);
    if (!best || BetterLayout(candidate, *best)) best = candidate;
  }
  return best->reading;
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
