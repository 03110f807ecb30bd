#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "picture/animation.h"
#include "picture/pixel_grid.h"

namespace tochkograf {

// Shows an animation's frames in turn, each for its duration, from the
// first and round again, until stopped. It keeps a copy of the frames, so
// the document it came from is neither read nor changed while it plays.
// Each frame's end is counted from the start against a steady clock, so a
// late timer shortens the next frame rather than putting every later frame
// off.
class Playback : public QObject {
  Q_OBJECT

 public:
  explicit Playback(QObject* parent = nullptr);

  // Shows the first frame at once.
  void Start(const Animation& animation);
  void Stop();
  // The frames have changed while they play: the frame being shown shows
  // as it is now, for the rest of its time, and the next come from
  // `animation`. The last frame where there are fewer now.
  void Follow(const Animation& animation);
  bool Playing() const { return timer_.isActive(); }
  // The cells of the frame being shown, at the picture's size.
  const PixelGrid& Shown() const { return shown_; }

 signals:
  // Shown() has become frame `index` (0-based).
  void FrameShown(int index);

 private:
  void Show(int index);
  void Next();

  Animation animation_;
  PixelGrid shown_;
  int index_ = 0;
  qint64 ends_ = 0;  // when the frame shown ends, in milliseconds from the start
  QElapsedTimer clock_;
  QTimer timer_;
};

}  // namespace tochkograf
