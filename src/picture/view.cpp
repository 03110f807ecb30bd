#include "picture/view.h"

namespace tochkograf {

void PaintCellOn(PictureView& view, int x, int y) { view.RepaintCell(x, y); }

void PaintCellOff(PictureView& view, int x, int y) { view.RepaintCell(x, y); }

void RedrawPole(const DocumentState& state, PictureView& view) {
  view.RepaintAll();
  view.SetSizeLabel(SizeLabelText(state.MX, state.MY));
}

QString SizeLabelText(int width, int height) {
  return QStringLiteral(" %1 x %2").arg(width).arg(height);
}

}  // namespace tochkograf
