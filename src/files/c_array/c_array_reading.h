#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>

#include "files/c_array/c_array_scan.h"
#include "files/c_array/display_bytes.h"
#include "picture/picture.h"

namespace tochkograf {

// How the bytes of a C array are read as a picture. The C-array import's
// dialog shows it and lets it be changed; the command line's options set
// it.
struct CArrayReading {
  QSize size;
  ByteLayout layout = ByteLayout::RowsMsbLeft;
  SetBit set_bit = SetBit::Ink;

  bool operator==(const CArrayReading&) const = default;
};

// The sizes of small displays and of phone pictures, in the order a size
// is guessed from them.
const QList<QSize>& ArraySizeGuesses();

// What the source says, guesses for the rest: the layout and the set bit
// its comment names (an X bitmap's `..._bits` has its rows' leftmost
// pixel in the lowest bit), else rows with the leftmost pixel in the top
// bit and ink; the size it gives, else the first of ArraySizeGuesses its bytes
// fill exactly in that layout, else as many whole rows (or pages) as its
// bytes fill at the widest a picture may be.
CArrayReading GuessedReading(const CArrayScan& scan);

// The bytes the reading needs that the array does not have; 0 when it has
// enough.
qint64 MissingBytes(const CArrayScan& scan, const CArrayReading& reading);

// The picture the array's bytes give as `reading` reads them; where bytes
// are missing, paper.
Picture CArrayPicture(const CArrayScan& scan, const CArrayReading& reading);

// The bytes at the array's end that the reading leaves out; 0 when it
// takes them all.
qint64 LeftOverBytes(const CArrayScan& scan, const CArrayReading& reading);

// What LeftOverBytes says, as the end of a sentence: "лишних байтов в конце
// массива: 24, в рисунок 8 x 8 они не вошли"; empty when there are none.
QString LeftOverText(const CArrayScan& scan, const CArrayReading& reading);

// Why the array cannot give the picture, as the end of a sentence: "в
// массиве байтов: 1000, а рисунку 128 x 64 в раскладке «...» нужно 1024".
QString MissingBytesReason(const CArrayScan& scan, const CArrayReading& reading);

// The file types' reader: the first array of the text, read with the
// guesses; Truncated where it has too few bytes for the size.
FormatStatus DecodeCArray(const QByteArray& text, Picture& picture);

// The most bytes of a file the C-array import reads; more are not looked at.
constexpr qint64 kCArrayReadLimit = 16 << 20;

}  // namespace tochkograf
