// Feeds arbitrary bytes to the EMS picture reader, as the open command does
// with a file's contents, frames and all, and checks what it promises: a
// refused file changes nothing, an accepted one has a size the editor can
// show and 1..64 frames of lawful durations, and writing it back gives the
// same bytes.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "files/formats/ems_animation.h"

using namespace tochkograf;

namespace {

bool Lawful(const EmsAnimation& animation) {
  const std::size_t frames = animation.durations.size();
  if (frames < 1 || frames > kMaxFrames || animation.further.size() != frames - 1) return false;
  for (const std::int32_t duration : animation.durations)
    if (duration < kShortestFrame || duration > kLongestFrame) return false;
  return FitsEditor(animation.first.width, animation.first.height);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  EmsAnimation animation;
  animation.first.cells(100, 50) = kOn;
  const PixelGrid before = animation.first.cells;
  if (DecodeEmsAnimation(bytes, animation) != FormatStatus::Ok) {
    if (!(animation.first.cells == before) || animation.first.width != 0 ||
        animation.durations.size() != 1 || !animation.further.empty())
      std::abort();
    return 0;
  }
  if (!Lawful(animation)) std::abort();
  QByteArray again = EncodeEmsAnimation(animation);
  again[0] = bytes[0];
  // The checksum at the end covers the marker byte written as it was read.
  if (animation.durations.size() > 1
          ? again.size() != bytes.size() || again.chopped(2) != bytes.chopped(2)
          : again != bytes.left(again.size()))
    std::abort();
  return 0;
}
