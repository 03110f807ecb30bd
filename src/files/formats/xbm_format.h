#pragma once

#include <QByteArray>
#include <QString>

#include "picture/picture.h"

namespace tochkograf {

// The X bitmap: C source defining NAME_width, NAME_height and the array
// NAME_bits, each row in whole bytes with its leftmost pixel in the least
// significant bit; a set bit is ink. `name` is a C identifier
// (CIdentifierFromFileName).
QByteArray EncodeXbm(const Picture& picture, const QString& name);

}  // namespace tochkograf
