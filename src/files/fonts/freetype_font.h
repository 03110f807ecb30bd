#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

#include "files/fonts/font_choice.h"
#include "files/fonts/font_loading.h"

namespace tochkograf {

// A font FreeType reads (TrueType, OpenType, a collection of them), drawn
// without smoothing: a scalable face at `pixel_size` rows a line, a face of
// bitmaps at its strike nearest to it. Only the glyphs of `codes` are drawn,
// all of them (up to a bound) when `codes` is empty.
FontLoading DrawWithFreeType(const QByteArray& bytes, int face, int pixel_size,
                             const QList<char32_t>& codes);

// The file's face as a choice, or none with the reason in `error`.
std::optional<FontChoice> FreeTypeChoice(const QByteArray& bytes, const QString& path,
                                         QString* error);

}  // namespace tochkograf
