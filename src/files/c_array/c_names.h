#pragma once

#include <QString>

namespace tochkograf {

// Why `name` cannot name an array in the C written for a display, as a
// sentence without its full stop: a keyword of C or C++; `main`; a name of
// the C and C++ standard libraries a sketch includes (`NULL`, `printf`,
// `memcpy`...); a name of the Arduino core (`delay`, `HIGH`, `B101`...); or
// a name the header or the sketch uses itself (`uint8_t`, `PROGMEM`,
// `setup`...). Any of them makes the code fail to build. Empty where the
// name is free. ASSUMPTION: `name` is a C identifier.
QString CNameRefusal(const QString& name);

inline bool TakenCName(const QString& name) { return !CNameRefusal(name).isEmpty(); }

}  // namespace tochkograf
