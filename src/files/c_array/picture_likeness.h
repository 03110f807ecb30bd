#pragma once

#include "picture/picture.h"

namespace tochkograf {

// How much a picture read out of a display's bytes looks like one. Both
// measures count the pairs of pixels side by side and one above the other
// that differ, so they hold for line drawings, where neighbours are mostly
// alike, and for dithered photos, where they differ more often than
// chance.
struct PictureLikeness {
  // How far the pairs are from differing as often as they would in a
  // picture of the same share of ink scattered at random, as a share of
  // all pairs: bytes read at the wrong size put pixels from far apart side
  // by side, which brings this down. Higher is more like a picture.
  double dependence = 0;
  // How much the pairs differ at some place in each run of eight columns,
  // or of eight rows, unlike at the others, as a share of all pairs: a
  // picture looks alike wherever it is cut, but bytes read in the wrong
  // layout put each run of eight pixels back in the wrong order or the
  // wrong direction, so the byte grid shows. Lower is more like a picture.
  double seams = 0;
};

PictureLikeness LikenessOf(const Picture& picture);

}  // namespace tochkograf
