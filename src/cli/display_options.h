#pragma once

#include <QSize>
#include <optional>

#include "files/c_array/c_array_format.h"
#include "files/c_array/c_array_scan.h"

namespace tochkograf {

// How --convert writes and reads C arrays for displays where the defaults
// (those of the "Массив C" dialogs) will not do.
struct DisplayArrayOptions {
  std::optional<ByteLayout> layout;  // --layout rows-msb|rows-lsb|pages-lsb|pages-msb
  std::optional<SetBit> set_bit;     // --set-bit ink|paper
  bool progmem = false;              // --progmem

  bool Any() const { return layout || set_bit || progmem; }
  // The export's defaults with these in their place; the name is left to
  // the writer.
  CArrayOptions Written() const;
  // What a C array read says of itself, with these (and `size`, --size) in
  // its place, so that what is still missing is guessed.
  CArrayScan Read(CArrayScan scan, const std::optional<QSize>& size) const;
};

}  // namespace tochkograf
