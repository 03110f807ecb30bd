#pragma once

#include <QString>

namespace tochkograf {

// What the picture logic needs from the screen: the drawing area's inner size
// in its own units (the units of mouse positions), requests to repaint it, and
// the size label beside it. Repaints read the picture straight from the
// document, so a request only says where.
class PictureView {
 public:
  virtual ~PictureView() = default;
  virtual double InnerWidth() const = 0;
  virtual double InnerHeight() const = 0;
  // Cell (x, y), 1-based, with its grid outline.
  virtual void RepaintCell(int x, int y) = 0;
  virtual void RepaintAll() = 0;
  virtual void SetSizeLabel(const QString& caption) = 0;
};

}  // namespace tochkograf
