#pragma once

#include <QSize>
#include <optional>

#include "files/c_array/arduino_sketch.h"
#include "files/c_array/c_array_format.h"
#include "files/c_array/c_array_scan.h"

namespace tochkograf {

// How --convert writes and reads C arrays for displays, and writes Arduino
// sketches, where the defaults (those of the export's dialogs) will not do.
struct DisplayArrayOptions {
  std::optional<ByteLayout> layout;             // --layout rows-msb|rows-lsb|pages-lsb|pages-msb
  std::optional<SetBit> set_bit;                // --set-bit ink|paper
  bool progmem = false;                         // --progmem
  Compression compression = Compression::None;  // --compress none|rle
  std::optional<int> address;                   // --address 0x3C|0x3D
  std::optional<int> panel_height;              // --height 64|32

  // The export's defaults with these in their place; the name is left to
  // the writer.
  CArrayOptions Written() const;
  SketchOptions Sketch() const;
  // What a C array read says of itself, with these (and `size`, --size) in
  // its place, so that what is still missing is guessed.
  CArrayScan Read(CArrayScan scan, const std::optional<QSize>& size) const;
};

}  // namespace tochkograf
