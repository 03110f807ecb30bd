#pragma once

#include <cstdint>

namespace tochkograf {

// What a press of a mouse button on the drawing area does: the pen, a
// shape dragged out from the press, a fill, a line of text or a rectangle
// of cells marked and moved.
enum class DrawingTool : std::uint8_t {
  kPen,
  kLine,
  kRectangle,
  kFilledRectangle,
  kEllipse,
  kFilledEllipse,
  kFill,
  kText,
  kSelect,
};

}  // namespace tochkograf
