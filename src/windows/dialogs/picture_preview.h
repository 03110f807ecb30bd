#pragma once

#include <QWidget>

#include "picture/document_state.h"
#include "picture/picture.h"

namespace tochkograf {

class Pole;

// A picture (or one frame of an animation) shown in a dialog as the main
// window shows it: a drawing area of its own in a sunken frame, its cells
// square, of whole screen pixels and as large as the room holds, centred in
// the room. The room holds the largest picture at `scale` screen pixels a
// picture pixel, so that a picture half as wide gets cells twice as large.
// It takes neither the mouse's drawing nor the keyboard's focus.
class PicturePreview : public QWidget {
  Q_OBJECT

 public:
  PicturePreview(bool grid, QWidget* parent);

  // Fixes the room's size: the largest picture at `scale` (at least 1)
  // screen pixels a picture pixel, with the frame round it.
  void SetScale(int scale);
  void ShowPicture(const Picture& picture);
  // What the preview shows: MX, MY and Pixels, and GridOn.
  const DocumentState& Shown() const { return shown_; }

 private:
  void PlacePole();
  QSize Frame() const;

  DocumentState shown_;
  int scale_ = 1;
  Pole* pole_ = nullptr;
};

}  // namespace tochkograf
