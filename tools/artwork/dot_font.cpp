#include "dot_font.h"

namespace artwork {

namespace {

constexpr Glyph kT = {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."};
constexpr Glyph kO = {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."};
constexpr Glyph kC = {".....", ".....", ".###.", "#....", "#....", "#...#", ".###."};
constexpr Glyph kH = {"#....", "#....", "#.##.", "##..#", "#...#", "#...#", "#...#"};
constexpr Glyph kK = {"#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#."};
constexpr Glyph kBlank = {".....", ".....", ".....", ".....", ".....", ".....", "....."};

}  // namespace

const Glyph& DotGlyph(QChar c) {
  switch (c.unicode()) {
    case 'T':
      return kT;
    case 'o':
      return kO;
    case 'c':
      return kC;
    case 'h':
      return kH;
    case 'k':
      return kK;
    default:
      return kBlank;
  }
}

}  // namespace artwork
