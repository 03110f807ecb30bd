#pragma once

#include <QByteArray>

#include "files/fonts/font_loading.h"

namespace tochkograf {

// A BDF font's glyphs, each boxed as its BBX places it; glyphs without a
// code are left out. A file that is not a whole BDF font, or claims more
// than a font can hold, gives no font and the reason.
FontLoading ReadBdf(const QByteArray& bytes);

}  // namespace tochkograf
