#pragma once

#include <zlib.h>

#include <QByteArray>
#include <QtEndian>
#include <functional>

namespace tochkograf {

// A PNG put together chunk by chunk here, compressed with zlib alone: a
// writer independent of libpng and of Qt, for the readers under test. Any
// colour type, depth and size, interlaced or not; rows are compressed as
// they are made, so a vast image never exists whole.
struct PngByHand {
  int width = 1, height = 1;
  int colour_type = 0;  // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA
  int depth = 8;        // bits a sample: 1, 2, 4, 8 or 16
  bool interlaced = false;
  QByteArray palette;       // PLTE: RGB triples
  QByteArray transparency;  // tRNS, written where it is not empty
  int filter = 0;           // every row's filter type: 0, or over 4 for a damaged file
  // Sample `channel` of pixel (x, y): 0 .. 2^depth - 1, a palette index for type 3.
  std::function<int(int x, int y, int channel)> sample;
  // Instead, for a vast plain image: row y's bytes as they are stored, after
  // the filter type.
  std::function<void(int y, char* bytes)> row_bytes;

  int Channels() const {
    switch (colour_type) {
      case 2:
        return 3;
      case 4:
        return 2;
      case 6:
        return 4;
      default:
        return 1;
    }
  }
  QByteArray Bytes() const;
};

namespace png_by_hand {

inline QByteArray BigEndian(quint32 value) {
  QByteArray bytes(4, '\0');
  qToBigEndian(value, bytes.data());
  return bytes;
}

inline QByteArray Chunk(const char* type, const QByteArray& data) {
  const QByteArray body = QByteArray(type, 4) + data;
  const auto crc = static_cast<quint32>(
      crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size())));
  return BigEndian(quint32(data.size())) + body + BigEndian(crc);
}

// zlib's stream, fed a row at a time.
class Deflater {
 public:
  Deflater() { deflateInit(&stream_, 1); }
  ~Deflater() { deflateEnd(&stream_); }
  void Add(const QByteArray& bytes, int flush = Z_NO_FLUSH) {
    stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    stream_.avail_in = uInt(bytes.size());
    char block[1 << 16];
    do {
      stream_.next_out = reinterpret_cast<Bytef*>(block);
      stream_.avail_out = sizeof block;
      deflate(&stream_, flush);
      out_.append(block, qsizetype(sizeof block - stream_.avail_out));
    } while (stream_.avail_out == 0);
  }
  QByteArray Finish() {
    Add({}, Z_FINISH);
    return out_;
  }

 private:
  z_stream stream_{};
  QByteArray out_;
};

}  // namespace png_by_hand

inline QByteArray PngByHand::Bytes() const {
  using namespace png_by_hand;
  // Adam7's passes: first column and row, then steps across and down.
  const int passes[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
  const int whole[1][4] = {{0, 0, 1, 1}};
  Deflater deflater;
  const int count = interlaced ? 7 : 1;
  for (int p = 0; p < count; ++p) {
    const int* pass = interlaced ? passes[p] : whole[0];
    const int columns = (width - pass[0] + pass[2] - 1) / pass[2];
    if (columns <= 0 || pass[1] >= height) continue;  // an empty pass has no rows at all
    const int bits = columns * Channels() * depth;
    for (int y = pass[1]; y < height; y += pass[3]) {
      QByteArray row(1 + (bits + 7) / 8, '\0');
      row[0] = char(filter);
      if (row_bytes) {
        row_bytes(y, row.data() + 1);
        deflater.Add(row);
        continue;
      }
      int bit = 8;
      for (int i = 0; i < columns; ++i)
        for (int c = 0; c < Channels(); ++c) {
          const int value = sample(pass[0] + i * pass[2], y, c);
          if (depth == 16) {
            row[bit / 8] = char(value >> 8);
            row[bit / 8 + 1] = char(value);
          } else {
            row[bit / 8] = char(row[bit / 8] | value << (8 - depth - bit % 8));
          }
          bit += depth;
        }
      deflater.Add(row);
    }
  }
  const QByteArray data = deflater.Finish();
  QByteArray header = BigEndian(quint32(width)) + BigEndian(quint32(height));
  header += char(depth);
  header += char(colour_type);
  header += QByteArray(2, '\0');  // deflate, adaptive filters
  header += char(interlaced ? 1 : 0);
  QByteArray png = QByteArray::fromHex("89504e470d0a1a0a") + Chunk("IHDR", header);
  if (!palette.isEmpty()) png += Chunk("PLTE", palette);
  if (!transparency.isEmpty()) png += Chunk("tRNS", transparency);
  // Several IDAT chunks, as large files have them.
  for (qsizetype at = 0; at < data.size(); at += 1 << 15)
    png += Chunk("IDAT", data.mid(at, 1 << 15));
  return png + Chunk("IEND", {});
}

}  // namespace tochkograf
