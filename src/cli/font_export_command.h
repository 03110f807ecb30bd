#pragma once

#include <QString>

#include "cli/command_line.h"
#include "cli/run_without_window.h"

namespace tochkograf {

// What --font-export takes where --size or --chars is not given: the size
// of a scalable font's line, in pixels, and the printable ASCII.
inline constexpr int kDefaultFontPixels = 16;
inline constexpr char kDefaultFontChars[] = "32-126";

// --size's value with --font-export, a number of pixels a scalable font
// can be drawn at, into `pixels`; what is wrong with it, in Russian, or
// nothing.
QString ReadFontPixels(const QString& value, int& pixels);

// --font-export FONT OUT: the characters of --chars in the font (a font
// file, or else the family of an installed font), a scalable one drawn at
// --size, written to OUT as its extension says (font_export.h). Exit code
// 0 where it is written, with a note naming the characters the font lacks;
// 1, with one line on standard error and no file written, for a list that
// can't be read, a font that can't be found or read, a bitmap font of
// another size than --size, a font with none of the characters, or a file
// that can't be written.
Outcome ExportFontFile(const CommandLine& command);

}  // namespace tochkograf
