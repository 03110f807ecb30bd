#include "windows/main/playback.h"

#include <algorithm>

namespace tochkograf {

namespace {

// A frame shown this much later than it was due, as after the machine was
// held up, starts the count afresh rather than hurrying the next frames by
// to catch up.
constexpr qint64 kCatchUpMs = 100;

}  // namespace

Playback::Playback(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("Playback"));
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &Playback::Next);
}

void Playback::Start(const Animation& animation) {
  animation_ = animation;
  clock_.start();
  ends_ = 0;
  Show(0);
}

void Playback::Stop() {
  timer_.stop();
  animation_.frames.clear();
}

void Playback::Follow(const Animation& animation) {
  if (!Playing() || animation.frames.empty()) return;
  animation_ = animation;
  index_ = std::min(index_, animation_.Count() - 1);
  animation_.frames[index_].cells.CopyTo(shown_);
}

void Playback::Show(int index) {
  index_ = index;
  const AnimationFrame& frame = animation_.frames[index];
  frame.cells.CopyTo(shown_);
  const qint64 now = clock_.elapsed();
  if (now - ends_ > kCatchUpMs) ends_ = now;
  ends_ += frame.duration;
  timer_.start(static_cast<int>(std::max<qint64>(0, ends_ - now)));
  emit FrameShown(index);
}

void Playback::Next() { Show((index_ + 1) % animation_.Count()); }

}  // namespace tochkograf
