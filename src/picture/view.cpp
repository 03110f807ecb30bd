#include "picture/view.h"

#include "picture/frames.h"

namespace tochkograf {

void PaintCellOn(PictureView& view, int x, int y) { view.RepaintCell(x, y); }

void PaintCellOff(PictureView& view, int x, int y) { view.RepaintCell(x, y); }

void RedrawPole(const DocumentState& state, PictureView& view) {
  view.RepaintAll();
  view.SetSizeLabel(SizeLabelText(state.MX, state.MY));
  view.SetFrameLabel(FrameLabelText(state.CurrentFrame + 1, FrameCount(state)));
}

QString SizeLabelText(int width, int height) {
  return QStringLiteral(" %1 x %2").arg(width).arg(height);
}

QString FrameLabelText(int number, int count) {
  return count > 1 ? QStringLiteral("Кадр %1 из %2").arg(number).arg(count) : QString();
}

}  // namespace tochkograf
