#pragma once

#include <QByteArray>

#include "picture/picture.h"

namespace tochkograf {

// The binary portable bitmap: "P4", the width and the height in text, then
// the rows in whole bytes, the leftmost pixel in the most significant bit; a
// set bit is ink.
QByteArray EncodePbm(const Picture& picture);

}  // namespace tochkograf
