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

// Those of ArraySizeGuesses whose bytes in the layout are as many as the
// array has.
QList<QSize> FittingSizes(const CArrayScan& scan, ByteLayout layout);

// What the source says, guesses for the rest. The layout and the set bit
// its comment names (an X bitmap's `..._bits` has its rows' leftmost
// pixel in the lowest bit), else ink and whichever of the four layouts
// gives the most picture-like picture; the size it gives, else whichever
// of FittingSizes does, else as many whole rows (or pages) as the bytes
// fill at the widest a picture may be. A reading that takes every byte at a
// size of the list with the bits beyond the picture clear goes before one
// that sets some of those bits, which goes before the size the bytes fill,
// one that leaves bytes over and one that lacks some. Then, of one layout's
// sizes, the one whose neighbouring pixels are furthest from chance; of
// the layouts, the one whose byte grid shows least (PictureLikeness); on a
// tie the first in the order of ArraySizeGuesses and LayoutNames.
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
