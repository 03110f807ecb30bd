#pragma once

#include <cstdint>

#include "picture/document_state.h"
#include "picture/picture_view.h"

namespace tochkograf {

// Mouse button codes of the drawing area.
enum MouseButtonCode : std::uint8_t {
  kNoButton = 0,
  kLeftButton = 1,    // ink
  kRightButton = 2,   // paper
  kMiddleButton = 4,  // changes no pixel, but marks the picture changed
};

// Positions are in the drawing area's own units, origin at the top-left of
// its inner area. Every press first takes the undo snapshot, so one undo
// takes back one whole stroke. Each position of a stroke is joined to the
// one before with the cells the line tool would draw between them, clipped
// to the picture, so that a quick stroke leaves no gaps; the middle button
// joins nothing, as it draws nothing.
void PoleMouseDown(DocumentState& state, PictureView& view, std::uint8_t button, double X,
                   double Y);
void PoleMouseMove(DocumentState& state, PictureView& view, double X, double Y);
void PoleMouseUp(DocumentState& state);
// A new size of the drawing area repaints it at the new scale and ends the
// stroke in progress.
void PoleResized(DocumentState& state, PictureView& view);

// Sets or clears the pixel under (X, Y) for the button of the stroke.
void DrawAtMouse(DocumentState& state, PictureView& view, double X, double Y);

}  // namespace tochkograf
