#pragma once

#include <QList>
#include <QString>

#include "picture/bitmap_font.h"

namespace tochkograf {

// Whether the file's extension names a font type the editor writes:
// ".h" (an Adafruit GFX font) or ".bdf".
bool IsFontExportPath(const QString& path);

// Writes the font's glyphs of `codes` to `path` as its extension says
// (gfx_font_writing.h, bdf_writing.h), through the safe save, so a failure
// leaves any file there as it was. The characters the font lacks are left
// out; a font with none of them writes nothing. Returns the Russian
// sentence that says why nothing was written, or an empty string.
QString ExportFont(const BitmapFont& font, const QList<char32_t>& codes, const QString& path);

}  // namespace tochkograf
