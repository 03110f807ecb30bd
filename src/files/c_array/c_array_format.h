#pragma once

#include <QByteArray>
#include <QString>

#include "files/c_array/c_array_code.h"
#include "files/c_array/c_names.h"
#include "files/c_array/display_bytes.h"
#include "picture/animation.h"
#include "picture/picture.h"

namespace tochkograf {

// What the C array of a picture for a small display is made with: the
// export's "Массив C" dialog asks for it, the command line gives it.
struct CArrayOptions {
  ByteLayout layout = ByteLayout::RowsMsbLeft;
  SetBit set_bit = SetBit::Ink;
  QString name{};        // a C identifier; empty: the writer's caller makes one of the file's name
  bool progmem = false;  // the array goes to an AVR's program memory (Arduino)
  Compression compression = Compression::None;

  bool operator==(const CArrayOptions&) const = default;
};

// The array's name made of a file's name (CIdentifierFromFileName), with
// "_" after one that is taken (CNameRefusal).
QString ArrayNameFromFileName(const QString& path);

// Where the code goes: a file of its own, or the clipboard, to be pasted
// into a file, where `#pragma once` would warn.
enum class CArrayUse { File, Pasted };

// A header of C source for a display library: a comment naming the size,
// the layout, what a set bit is and the compression (in the words
// --layout, --set-bit and --compress take, which the C-array import reads
// back), `#pragma once` in a file, <stdint.h>, NAME_WIDTH, NAME_HEIGHT and
// NAME_BYTES (NAME in capitals; the bytes of one frame), and
// `static const uint8_t name[]` with 16 bytes a line, so that any number of
// C files of one program may include it. With `progmem` the array is
// declared PROGMEM, which <avr/pgmspace.h> gives on AVR and the header
// makes empty elsewhere, so it compiles as C99 and as C++ on any machine.
// Compressed, the array holds each frame in the run-length code
// (run_length.h), `name_starts[]` where each starts, and the header carries
// `name_unpack` (UnpackFunction).
// ASSUMPTION: options.name is a C identifier.
QByteArray EncodeCArray(const Picture& picture, const CArrayOptions& options,
                        CArrayUse use = CArrayUse::File);

// The same header of every frame: one frame gives EncodeCArray's bytes.
// More frames go one after another into the one array, each of
// DisplayByteCount bytes (or packed), with NAME_FRAMES their count, and
// each frame's duration in milliseconds in `static const uint16_t
// name_durations[]`.
// ASSUMPTION: options.name is a C identifier; 1..kMaxFrames frames.
QByteArray EncodeCArrayAnimation(const Animation& animation, const CArrayOptions& options,
                                 CArrayUse use = CArrayUse::File);

// The bytes the frames take in the array: as they are, and packed.
struct CArraySizes {
  qint64 raw = 0, packed = 0;
};
CArraySizes SizesOf(const Animation& animation, ByteLayout layout, SetBit meaning);

}  // namespace tochkograf
