#pragma once

#include <QByteArray>

#include "files/fonts/font_loading.h"

namespace tochkograf {

// An X11 PCF font (not gzipped): each glyph boxed by its bearings, ascent
// and descent, advancing by its width. A file that is not a whole PCF
// font, or claims more than its bytes or a font can hold, gives no font
// and the reason.
FontLoading ReadPcf(const QByteArray& bytes);

}  // namespace tochkograf
