#include "files/fonts/pcf_reading.h"

#include <QHash>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "files/fonts/font_charsets.h"
#include "files/fonts/font_file_checks.h"
#include "files/little_endian.h"

namespace tochkograf {

namespace {

enum TableType : quint32 {
  kProperties = 1,
  kAccelerators = 2,
  kMetrics = 4,
  kBitmaps = 8,
  kEncodings = 32,
  kBdfAccelerators = 256,
};
constexpr quint32 kCompressedMetrics = 0x100;
constexpr int kMaxTables = 256;

// A table's fields in the byte order its format word gives; any field
// past the table's end marks the table damaged and reads as 0.
class Table {
 public:
  Table() = default;
  Table(const QByteArray& bytes, qint64 offset, qint64 size)
      : bytes_(&bytes), offset_(offset), size_(size) {
    format_ = Unsigned(0, 4, false);
  }

  bool Present() const { return bytes_ != nullptr; }
  bool Damaged() const { return damaged_; }
  qint64 Size() const { return size_; }
  quint32 Format() const { return format_; }
  bool Has(qint64 at, qint64 size) const { return at >= 0 && size >= 0 && at + size <= size_; }

  quint32 Unsigned(qint64 at, int size) { return Unsigned(at, size, format_ & 4); }
  qint32 Int32(qint64 at) { return static_cast<qint32>(Unsigned(at, 4)); }
  qint16 Int16(qint64 at) { return static_cast<qint16>(Unsigned(at, 2)); }
  // The bytes from `at` on, as far as the table goes.
  QByteArray Bytes(qint64 at, qint64 size) {
    if (!Has(at, size)) return damaged_ = true, QByteArray();
    return bytes_->mid(offset_ + at, size);
  }

 private:
  quint32 Unsigned(qint64 at, int size, bool big_endian) {
    if (!Has(at, size)) return damaged_ = true, 0;
    quint32 value = 0;
    for (int i = 0; i < size; ++i) {
      const int byte = big_endian ? i : size - 1 - i;
      value = (value << 8) | static_cast<unsigned char>((*bytes_)[offset_ + at + byte]);
    }
    return value;
  }

  const QByteArray* bytes_ = nullptr;
  qint64 offset_ = 0, size_ = 0;
  quint32 format_ = 0;
  bool damaged_ = false;
};

struct Metric {
  int left, right, advance, ascent, descent;
};

class PcfReader {
 public:
  explicit PcfReader(const QByteArray& bytes) : bytes_(bytes) {}
  FontLoading Read();

 private:
  bool ReadTables();
  bool ReadProperties();
  bool ReadMetrics();
  bool ReadBitmaps();
  bool ReadEncodings(const FontCharset& charset);
  void ReadLine();
  QString Property(const QByteArray& name) const { return properties_.value(name).first; }
  bool Fail(const QString& why);

  const QByteArray& bytes_;
  QHash<quint32, Table> tables_;
  // Each property's text, or its number.
  QHash<QByteArray, std::pair<QString, std::optional<qint32>>> properties_;
  std::vector<Metric> metrics_;
  std::vector<FontGlyph> glyphs_;  // in the order of the metrics, without codes
  BitmapFont font_;
  QString why_;
};

bool PcfReader::Fail(const QString& why) {
  if (why_.isEmpty()) why_ = why;
  return false;
}

bool PcfReader::ReadTables() {
  if (!bytes_.startsWith("\x01"
                         "fcp"))
    return Fail(DamagedFont(QStringLiteral("это не шрифт PCF")));
  const qint64 count = bytes_.size() >= 8 ? Read32(bytes_, 4) : -1;
  if (count < 0 || count > kMaxTables || 8 + 16 * count > bytes_.size())
    return Fail(DamagedFont(QStringLiteral("его оглавление обрывается")));
  for (int i = 0; i < count; ++i) {
    const int entry = 8 + 16 * i;
    // The last table's size is often claimed rounded up past the file's
    // end; what the table holds is checked field by field.
    const qint64 offset = Read32(bytes_, entry + 12);
    const qint64 size = std::min<qint64>(Read32(bytes_, entry + 8), bytes_.size() - offset);
    if (size < 4) return Fail(DamagedFont(QStringLiteral("его таблица выходит за конец файла")));
    tables_.insert(Read32(bytes_, entry), Table(bytes_, offset, size));
  }
  for (quint32 needed : {kMetrics, kBitmaps, kEncodings})
    if (!tables_.contains(needed))
      return Fail(DamagedFont(QStringLiteral("в нём нет таблицы знаков")));
  return true;
}

bool PcfReader::ReadProperties() {
  Table table = tables_.value(kProperties);
  if (!table.Present()) return true;
  const qint64 count = table.Int32(4);
  const qint64 strings_at = 8 + 9 * count + (count % 4 ? 4 - count % 4 : 0) + 4;
  if (count < 0 || !table.Has(8, strings_at - 8))
    return Fail(DamagedFont(QStringLiteral("его свойства обрываются")));
  const QByteArray strings = table.Bytes(strings_at, table.Int32(strings_at - 4));
  const auto text = [&strings](qint64 at) {
    if (at < 0 || at >= strings.size()) return QByteArray();
    const qsizetype end = strings.indexOf('\0', at);
    return strings.mid(at, end < 0 ? -1 : end - at);
  };
  for (qint64 i = 0; i < count; ++i) {
    const qint64 at = 8 + 9 * i;
    const QByteArray name = text(table.Int32(at));
    const qint32 value = table.Int32(at + 5);
    if (table.Unsigned(at + 4, 1) != 0)
      properties_.insert(name, {QString::fromLatin1(text(value)), std::nullopt});
    else
      properties_.insert(name, {QString(), value});
  }
  if (table.Damaged()) return Fail(DamagedFont(QStringLiteral("его свойства обрываются")));
  return true;
}

bool PcfReader::ReadMetrics() {
  Table table = tables_.value(kMetrics);
  const bool compressed = (table.Format() & 0xffffff00) == kCompressedMetrics;
  const int field_size = compressed ? 1 : 2, metric_size = compressed ? 5 : 12;
  const qint64 count_at = 4, first = compressed ? 6 : 8;
  const qint64 count = compressed ? table.Int16(count_at) : table.Int32(count_at);
  if (count < 0 || count > kMaxGlyphCount || !table.Has(first, count * metric_size))
    return Fail(DamagedFont(QStringLiteral("его таблица метрик обрывается")));
  metrics_.reserve(count);
  for (qint64 i = 0; i < count; ++i) {
    int fields[5];
    for (int f = 0; f < 5; ++f) {
      const qint64 at = first + i * metric_size + f * field_size;
      fields[f] = compressed ? int(table.Unsigned(at, 1)) - 0x80 : table.Int16(at);
    }
    const Metric metric{fields[0], fields[1], fields[2], fields[3], fields[4]};
    const int width = metric.right - metric.left, height = metric.ascent + metric.descent;
    if (width < 0 || height < 0 || width > kMaxGlyphSide || height > kMaxGlyphSide ||
        std::abs(metric.left) > kMaxFontMetric || std::abs(metric.ascent) > kMaxFontMetric ||
        std::abs(metric.advance) > kMaxFontMetric)
      return Fail(DamagedFont(QStringLiteral("размеры его знака невозможны")));
    metrics_.push_back(metric);
  }
  return true;
}

// Turns the rows' bytes into rows whose first byte holds the leftmost
// pixels, each in its most significant bit.
void Normalise(QByteArray& data, quint32 format) {
  const bool bytes_big = format & 4, bits_big = format & 8;
  const int unit = 1 << ((format >> 4) & 3);
  if (bytes_big != bits_big && unit > 1)
    for (qsizetype at = 0; at + unit <= data.size(); at += unit)
      std::reverse(data.begin() + at, data.begin() + at + unit);
  if (!bits_big)
    for (char& byte : data) {
      unsigned char b = static_cast<unsigned char>(byte), reversed = 0;
      for (int i = 0; i < 8; ++i) reversed |= ((b >> i) & 1) << (7 - i);
      byte = static_cast<char>(reversed);
    }
}

bool PcfReader::ReadBitmaps() {
  Table table = tables_.value(kBitmaps);
  const quint32 format = table.Format();
  const qint64 count = table.Int32(4);
  if (count != qint64(metrics_.size()))
    return Fail(DamagedFont(QStringLiteral("число его рисунков знаков не то")));
  const int pad = 1 << (format & 3);
  const qint64 data_at = 8 + 4 * count + 16;
  QByteArray data = table.Bytes(data_at, table.Int32(data_at - 16 + 4 * (format & 3)));
  if (table.Damaged()) return Fail(DamagedFont(QStringLiteral("рисунки его знаков обрываются")));
  Normalise(data, format);
  qint64 total = 0;
  glyphs_.reserve(count);
  for (qint64 i = 0; i < count; ++i) {
    const Metric& m = metrics_[i];
    const int width = m.right - m.left, height = m.ascent + m.descent;
    const int row_bytes = (width + 7) / 8, stride = (row_bytes + pad - 1) / pad * pad;
    const qint64 offset = table.Int32(8 + 4 * i);
    total += qint64(row_bytes) * height;
    if (offset < 0 || offset + qint64(stride) * height > data.size() || total > kMaxGlyphRowBytes)
      return Fail(DamagedFont(QStringLiteral("рисунок его знака выходит за таблицу")));
    FontGlyph glyph{0, m.advance, m.left, -m.ascent, width, height, {}};
    glyph.rows.reserve(row_bytes * height);
    for (int y = 0; y < height; ++y) glyph.rows.append(data.mid(offset + y * stride, row_bytes));
    ClearPastWidth(glyph.rows, width);
    glyphs_.push_back(std::move(glyph));
  }
  return true;
}

bool PcfReader::ReadEncodings(const FontCharset& charset) {
  Table table = tables_.value(kEncodings);
  const int first_column = table.Int16(4), last_column = table.Int16(6);
  const int first_row = table.Int16(8), last_row = table.Int16(10);
  const auto byte_range = [](int first, int last) {
    return first >= 0 && first <= last && last <= 0xff;
  };
  if (!byte_range(first_column, last_column) || !byte_range(first_row, last_row))
    return Fail(DamagedFont(QStringLiteral("его таблица кодов невозможна")));
  const int columns = last_column - first_column + 1, rows = last_row - first_row + 1;
  if (!table.Has(14, 2 * columns * rows))
    return Fail(DamagedFont(QStringLiteral("его таблица кодов обрывается")));
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column) {
      const quint32 index = table.Unsigned(14 + 2 * (row * columns + column), 2);
      const quint32 code = (first_row + row) * 256 + first_column + column;
      const auto character = charset.Character(code);
      if (index >= glyphs_.size() || !character) continue;
      font_.glyphs.push_back(glyphs_[index]);
      font_.glyphs.back().code = *character;
    }
  return true;
}

// The line's height and depth: from the accelerators, else the properties,
// else the tallest glyphs.
void PcfReader::ReadLine() {
  for (quint32 type : {kBdfAccelerators, kAccelerators}) {
    Table table = tables_.value(type);
    if (!table.Present() || !table.Has(12, 8)) continue;
    font_.ascent = table.Int32(12);
    font_.descent = table.Int32(16);
    return;
  }
  const auto ascent = properties_.value("FONT_ASCENT").second;
  const auto descent = properties_.value("FONT_DESCENT").second;
  for (const Metric& m : metrics_) {
    font_.ascent = std::max(font_.ascent, m.ascent);
    font_.descent = std::max(font_.descent, m.descent);
  }
  if (ascent) font_.ascent = *ascent;
  if (descent) font_.descent = *descent;
}

FontLoading PcfReader::Read() {
  if (!ReadTables() || !ReadProperties()) return FontRefused(why_);
  font_.name = Property("FONT");
  QString error;
  const auto charset = FontCharset::Named(Property("CHARSET_REGISTRY"),
                                          Property("CHARSET_ENCODING"), font_.name, &error);
  if (!charset) return FontRefused(error);
  if (!ReadMetrics() || !ReadBitmaps() || !ReadEncodings(*charset)) return FontRefused(why_);
  ReadLine();
  return FontRead(std::move(font_));
}

}  // namespace

FontLoading ReadPcf(const QByteArray& bytes) { return PcfReader(bytes).Read(); }

}  // namespace tochkograf
