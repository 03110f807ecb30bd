#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

#include "files/c_array/display_bytes.h"
#include "files/format_status.h"

namespace tochkograf {

// The most values of an array that are kept: 64 pictures of the largest
// size. A longer array is still read to its end and counted.
constexpr int kMostArrayBytes = 64 * (kMaxWidth / 8) * kMaxHeight;

// What C source (a header, a sketch, a text) says about its first array of
// byte values.
struct CArrayScan {
  QByteArray bytes;  // its values, the first kMostArrayBytes of them
  qint64 count = 0;  // how many values it holds
  QString name;      // its name; empty where the source gives none
  int line = 0;      // the line its values start on, from 1
  // Its size, from NAME_WIDTH and NAME_HEIGHT (or _width, _height)
  // definitions, or else from a "W x H" in a comment next to it; only
  // sizes the editor can hold.
  std::optional<QSize> size;
  // As a comment before it names them the way this program writes them
  // ("--layout pages-lsb", "--set-bit paper").
  std::optional<ByteLayout> layout;
  std::optional<SetBit> set_bit;
};

// The first value that kept a list after `name[...] =` from being an
// array of bytes: as the text has it, cut short where it is long, and its
// line.
struct CArrayRefusal {
  QString value;
  int line = 0;             // from 1; 0: none was refused
  bool above_byte = false;  // a number above 255, not something else
};

// Finds the first array of byte values in C source: an initializer in
// braces after `name[...] =`, of integer literals from 0 to 255 (hex, octal,
// decimal, 0b binary, with any u/l suffix; Arduino's B01010101 too), nested
// braces and a trailing comma allowed. Comments, strings and character
// constants are skipped. Time is linear in the text and memory bounded
// whatever it holds. NoArray where there is none, NotBytes where the only
// lists of numbers hold one above 255; `scan` is then as it was, and
// `refusal`, where given, gets the first value refused. An array whose
// comment says "--compress rle", as this program writes it packed, gives
// its bytes unpacked (run_length.h) where its size and layout are known.
FormatStatus ScanCArray(const QByteArray& text, CArrayScan& scan, CArrayRefusal* refusal = nullptr);

// Why a text holds no array, as ScanCArray refused it: naming the value
// refused and its line where there is one.
QString ScanFailureReason(FormatStatus status, const CArrayRefusal& refusal);

}  // namespace tochkograf
