#pragma once

#include <QRect>
#include <QWidget>

namespace tochkograf {

// The room below the band that holds the drawing area: paper wherever the
// drawing area, in its square cells, leaves room round it, with a line
// round the drawing area, since the light edges of its sunken frame do not
// show on paper.
class PaperRoom : public QWidget {
 public:
  explicit PaperRoom(QWidget* parent);
  // Where the drawing area stands, in the room's parent's coordinates.
  void Surround(const QRect& place);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect place_;
};

}  // namespace tochkograf
