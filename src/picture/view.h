#pragma once

#include <QString>

#include "picture/document_state.h"
#include "picture/picture_view.h"

namespace tochkograf {

// Both ask for cell (x, y) to be repainted; the colour comes from Pixels,
// which the caller has already set.
void PaintCellOn(PictureView& view, int x, int y);
void PaintCellOff(PictureView& view, int x, int y);

// Repaints every cell and writes the size and frame labels.
void RedrawPole(const DocumentState& state, PictureView& view);

// " 32 x 32": the space before each number stands where a sign would.
QString SizeLabelText(int width, int height);

// "Кадр 2 из 4" for frame `number` (1-based) of `count`; empty for one frame.
QString FrameLabelText(int number, int count);

}  // namespace tochkograf
