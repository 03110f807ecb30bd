#pragma once

#include <QByteArray>

#include "picture/picture.h"

namespace tochkograf {

// A one-bit BMP file of the picture: a 40-byte information header, a
// two-entry colour table with black first and white second, ink black and
// paper white, rows stored bottom-up and padded to four bytes. DecodeBmp
// reads it back to the same picture.
QByteArray EncodeBmp(const Picture& picture);

}  // namespace tochkograf
