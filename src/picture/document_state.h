#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "picture/drawing_tool.h"
#include "picture/edit_history.h"
#include "picture/frame.h"
#include "picture/pixel_grid.h"

namespace tochkograf {

// What undo brings back: the picture's size, every cell of the grid and
// the frames. One value, so that whatever else a picture comes to hold
// joins it here.
struct UndoSnapshot {
  std::int32_t MX = 0;
  std::int32_t MY = 0;
  PixelGrid Pixels;
  std::vector<AnimationFrame> Frames = std::vector<AnimationFrame>(1);
  std::int32_t CurrentFrame = 0;

  bool operator==(const UndoSnapshot&) const = default;
};

// The one document of the main window. It starts zeroed; the main window's
// start-up gives it its first size, name and grid setting.
struct DocumentState {
  Flag IZM = kOff;      // the picture has changes that are not saved
  std::int32_t MX = 0;  // picture width, 1..128 once started
  std::int32_t MY = 0;  // picture height, 1..96 once started
  QString FileName;     // the absolute path of the picture's file; "*" while it has none
  PixelGrid Pixels;     // the current frame's cells
  // Every frame, 1..kMaxFrames of them, and which one is being drawn on
  // (0-based); frames.h keeps them. A one-frame document is a picture.
  std::vector<AnimationFrame> Frames = std::vector<AnimationFrame>(1);
  std::int32_t CurrentFrame = 0;
  UndoSnapshot Undo;
  EditHistory History;  // every step since the picture was opened or made
  PixelGrid ClipPixels;
  // Where the clipboard's piece was copied from, its cells at their places
  // in ClipPixels; empty while the clipboard holds a whole picture.
  QRect ClipPiece;
  std::uint8_t DrawButton = 0;  // button of the stroke in progress: 0, 1, 2 or 4
  QPoint StrokeCell;  // the cell under the stroke's last position, beyond the picture where it was
  Flag GridOn = kOff;
  Flag OnionOn = kOff;  // the previous frame's ink shows faintly under the current one
  std::array<Flag, kMaxWidth + 1> ShiftLine{};  // the line that wraps round in a shift
  DrawingTool Tool = DrawingTool::kPen;         // what a press on the drawing area does
};

// The name FileName holds while the picture has no file.
inline const QString kUntitled = QStringLiteral("*");

}  // namespace tochkograf
