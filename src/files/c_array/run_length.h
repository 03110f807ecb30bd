#pragma once

#include <QByteArray>

#include "files/c_array/display_bytes.h"

namespace tochkograf {

// The run-length code of the compressed C arrays. The code of a frame is a
// string of pieces, each a count byte n and what follows it:
//   n from 0 to 127:   n + 1 bytes, copied as they are;
//   n from 128 to 255: one byte, repeated n - 126 times (2 to 129).
// The bytes are coded in the order that makes the longest runs: in the
// layouts of rows, down each column of bytes, the columns from the left (a
// picture's empty columns and vertical lines become runs); in those of
// pages, as they lie. That is, from byte 0 on, each `step` bytes after the
// one before, and where that passes the frame's end, from the next byte of
// the first row. Each frame is coded on its own, so that it unpacks
// without the others, and unpacking needs no memory but the frame's.
constexpr int kMostCopied = 128;
constexpr int kMostRepeated = 129;

// How far apart the bytes coded one after another lie in the layout: a
// row's bytes, or 1.
int PackingStep(int width, ByteLayout layout);

// A frame's bytes in the code. Runs of three or more equal bytes are
// repeated, and a run of two where no copied piece is open; everything else
// is copied.
QByteArray PackRuns(const QByteArray& bytes, int step);

// The frames `code` holds one after another, each of `frame_bytes` bytes
// in the layout; at most `most` bytes in all. A frame cut short by the end
// of the code gives the bytes it has, the rest 0.
// ASSUMPTION: frame_bytes > 0; step divides frame_bytes.
QByteArray UnpackRuns(const QByteArray& code, int frame_bytes, int step, qsizetype most);

}  // namespace tochkograf
