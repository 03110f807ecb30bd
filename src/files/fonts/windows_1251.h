#pragma once

#include <optional>

namespace tochkograf {

// The byte that stands for the character in Windows-1251, the 8-bit code
// Russian text has on small displays: ASCII as it is, Russian letters at
// 0xC0..0xFF, Ё at 0xA8, ё at 0xB8, and the other letters and signs of
// 0x80..0xBF. None for a character the code has no byte for.
std::optional<unsigned char> Windows1251Byte(char32_t code);

}  // namespace tochkograf
