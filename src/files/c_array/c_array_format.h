#pragma once

#include <QByteArray>
#include <QString>

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

  bool operator==(const CArrayOptions&) const = default;
};

// Whether `name` cannot name the array: a keyword of C or C++, or a name
// the header itself uses (uint8_t, PROGMEM).
bool TakenCName(const QString& name);

// The array's name made of a file's name (CIdentifierFromFileName), with
// "_" after one that is taken.
QString ArrayNameFromFileName(const QString& path);

// A header of C source for a display library: a comment naming the size,
// the layout and what a set bit is (in the words --layout and --set-bit
// take, which the C-array import reads back), `#pragma once`, <stdint.h>,
// NAME_WIDTH and NAME_HEIGHT (NAME in capitals), and `const uint8_t name[]`
// with 16 bytes a line. With `progmem` the array is declared PROGMEM, which
// <avr/pgmspace.h> gives on AVR and the header makes empty elsewhere, so
// it compiles as C99 and as C++ on any machine.
// ASSUMPTION: options.name is a C identifier.
QByteArray EncodeCArray(const Picture& picture, const CArrayOptions& options);

// The same header of every frame: one frame gives EncodeCArray's bytes.
// More frames go one after another into the one array, each of
// DisplayByteCount bytes, with NAME_FRAMES their count, and each frame's
// duration in milliseconds in `const uint16_t name_durations[]`.
// ASSUMPTION: options.name is a C identifier; 1..kMaxFrames frames.
QByteArray EncodeCArrayAnimation(const Animation& animation, const CArrayOptions& options);

}  // namespace tochkograf
