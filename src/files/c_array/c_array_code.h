#pragma once

#include <QByteArray>
#include <QList>

#include "files/c_array/display_bytes.h"
#include "picture/animation.h"

namespace tochkograf {

// The pieces of C that both the header of a C array and the Arduino sketch
// are made of (and a display's font, its PROGMEM).

// The lines that give PROGMEM: <avr/pgmspace.h>'s on AVR, empty elsewhere,
// so that what is declared with it compiles as C99 and C++ on any machine.
extern const char kProgmemLines[];

// What an array's frames are packed with.
enum class Compression { None, Rle };

// Every frame's bytes in the layout, packed as `compression` says
// (run_length.h).
QList<QByteArray> FrameBytes(const Animation& animation, ByteLayout layout, SetBit meaning,
                             Compression compression);

// Byte values as an initializer's lines, 16 a line; with several frames,
// each after a comment naming it.
QByteArray FrameLines(const QList<QByteArray>& frames);

// Numbers as an initializer's lines, 8 a line.
QByteArray NumberLines(const QList<qint64>& numbers);

// Where each packed frame starts in the array that holds them all.
QList<qint64> FrameStarts(const QList<QByteArray>& frames);

// The macros the C reads a byte and a 32-bit number of the arrays with
// (pgm_read_byte and pgm_read_dword where they are in PROGMEM); empty where
// it reads them as they are.
struct DataReading {
  QByteArray byte, dword;
};

// `static void name_unpack(uint8_t frame, uint8_t *out)`, which writes
// frame `frame`'s MACRO_BYTES bytes to `out` from `name` and `name_starts`
// (FrameStarts): C99 that allocates nothing, with the run-length code
// explained in its comment. Marked unused for GCC and Clang, so that a file
// that includes it and does not call it compiles without a warning.
// `step`: PackingStep of the layout.
QByteArray UnpackFunction(const QByteArray& name, const DataReading& reading, int step);

}  // namespace tochkograf
