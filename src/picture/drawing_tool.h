#pragma once

#include <cstdint>

namespace tochkograf {

// What a press of a mouse button on the drawing area does: the pen, a
// shape dragged out from the press, a fill or a line of text.
enum class DrawingTool : std::uint8_t {
  kPen,
  kLine,
  kRectangle,
  kFilledRectangle,
  kEllipse,
  kFilledEllipse,
  kFill,
  kText,
};

}  // namespace tochkograf
