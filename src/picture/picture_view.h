#pragma once

#include <QString>

#include "picture/cell_runs.h"

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
  // The cells of the runs, all within the picture, at once: what a shape, a
  // fill or a line of text changed.
  virtual void RepaintCells(const CellRuns& runs) {
    for (const CellRun& run : runs)
      for (int x = run.first; x <= run.last; ++x) RepaintCell(x, run.y);
  }
  virtual void SetSizeLabel(const QString& caption) = 0;
  // Which frame is shown, beside the size; empty for a one-frame picture.
  virtual void SetFrameLabel(const QString& text) { Q_UNUSED(text); }
};

}  // namespace tochkograf
