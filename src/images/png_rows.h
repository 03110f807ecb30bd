#pragma once

#include <QSize>
#include <QtGlobal>

#include "files/format_status.h"

class QIODevice;

namespace tochkograf {

// The longest side of a PNG the program reads; PNG itself allows more.
constexpr int kMostPngSide = 65535;

// Part of a PNG's row: pixels first, first + step, first + 2 * step... of
// row `y`, `count` of them, each `channels` bytes (1 grey, 2 grey and
// alpha, 3 RGB, 4 RGBA; 8 bits a sample whatever the file's depth, a
// palette's colours looked up, tRNS given as alpha). A plain PNG gives
// whole rows top down; an interlaced one gives the seven passes of Adam7 in
// turn, each a lattice of pixels spread over the whole image.
struct PngRow {
  int y = 0;
  int first = 0;
  int step = 1;
  int count = 0;
  int channels = 0;
  const uchar* samples = nullptr;
};

// Where the rows of a PNG go as they are decoded.
class PngRowSink {
 public:
  virtual ~PngRowSink() = default;
  // The image's size, once the header is read and before any row.
  virtual void Start(QSize size) = 0;
  virtual void Take(const PngRow& row) = 0;
};

// Decodes the PNG at `device`'s position a row at a time with libpng,
// holding no more than a few rows whatever its size. NotThisFormat without
// a PNG signature; TooLarge for a side over kMostPngSide, before any row;
// Truncated where the file ends before its end chunk; Damaged for anything
// else libpng refuses, which may come after some rows have been handed
// over. libpng's own messages are never printed.
FormatStatus ReadPngRows(QIODevice& device, PngRowSink& sink);

}  // namespace tochkograf
