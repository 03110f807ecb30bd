#pragma once

namespace tochkograf {

// How light a colour looks, by one rule for every reader that tells ink from
// paper or turns colours into greys: the weights 0.299, 0.587 and 0.114 of
// red, green and blue (ITU-R BT.601) in 1/65536, which add up to exactly one,
// so that a grey keeps its own level.

// Every step kept, for telling which of two colours is darker.
constexpr int Brightness(int red, int green, int blue) {
  return 19595 * red + 38470 * green + 7471 * blue;
}

// The level 0..255, rounded to the nearest.
constexpr int Grey(int red, int green, int blue) {
  return (Brightness(red, green, blue) + 32768) >> 16;
}

// A level (a channel or a grey) of a colour of opacity `alpha` (0..255) as
// it shows on white paper, rounded to the nearest.
constexpr int OnWhitePaper(int level, int alpha) {
  return (level * alpha + 255 * (255 - alpha) + 127) / 255;
}

}  // namespace tochkograf
