#pragma once

#include <QByteArray>

#include "files/fonts/font_loading.h"

namespace tochkograf {

// A BDF or PCF font, gzipped or not, told by its first bytes. Bytes of
// neither kind give no font and no reason, so another reader may try.
FontLoading ReadBitmapFont(const QByteArray& bytes);

}  // namespace tochkograf
