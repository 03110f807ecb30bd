#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <optional>

#include "cli/help_text.h"
#include "cli/option_scope.h"
#include "files/c_array/c_array_format.h"
#include "files/c_array/c_array_reading.h"
#include "files/c_array/c_array_scan.h"

class QCommandLineParser;

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

QList<QCommandLineOption> DisplayArrayOptionList();

// What each acts on: --layout and --set-bit a C array written or read,
// --progmem one written.
QList<OptionScope> DisplayArrayOptionScopes();

// Whether any of them was given.
bool AnyDisplayArrayOption(const QCommandLineParser& parser);

// Reads them once the parser has taken the arguments. What is wrong with
// them in Russian, or nothing.
QString ReadDisplayArrayOptions(const QCommandLineParser& parser, DisplayArrayOptions& options);

// What is wrong where the last argument is one of them that takes a value.
QString MissingDisplayArrayValue(const QStringList& arguments);

// Their entries in the help.
QList<HelpItem> DisplayArrayOptionsHelp();

}  // namespace tochkograf
