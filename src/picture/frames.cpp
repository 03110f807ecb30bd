#include "picture/frames.h"

#include <algorithm>
#include <utility>

namespace tochkograf {

// A byte at a time, eight cells of a row: going to another frame packs one
// frame and unpacks another, and a cell at a time took a tenth of the
// repaint that follows.
PackedBlock PackedBlock::Of(const PixelGrid& grid) {
  PackedBlock block;
  for (int y = 1; y <= kMaxHeight; ++y)
    for (int x = 1; x <= kMaxWidth; x += 8) {
      std::uint8_t byte = 0;
      for (int i = 0; i < 8; ++i)
        byte = static_cast<std::uint8_t>(byte << 1 | (grid(x + i, y) != kOff));
      block.bits_[Index(x, y) / 8] = byte;
    }
  return block;
}

void PackedBlock::CopyTo(PixelGrid& grid) const {
  for (int y = 1; y <= kMaxHeight; ++y)
    for (int x = 1; x <= kMaxWidth; x += 8) {
      const std::uint8_t byte = bits_[Index(x, y) / 8];
      for (int i = 0; i < 8; ++i) grid(x + i, y) = byte & (0x80 >> i) ? kOn : kOff;
    }
}

int FrameCount(const DocumentState& state) { return static_cast<int>(state.Frames.size()); }

PackedBlock FrameCells(const DocumentState& state, int index) {
  return index == state.CurrentFrame ? PackedBlock::Of(state.Pixels) : state.Frames[index].cells;
}

void GoToFrame(DocumentState& state, int index) {
  if (index == state.CurrentFrame || index < 0 || index >= FrameCount(state)) return;
  state.Frames[state.CurrentFrame].cells = PackedBlock::Of(state.Pixels);
  state.Frames[index].cells.CopyTo(state.Pixels);
  state.Frames[index].cells = PackedBlock();
  state.CurrentFrame = index;
}

namespace {

bool AddFrame(DocumentState& state, const PackedBlock& cells) {
  if (FrameCount(state) >= kMaxFrames) return false;
  state.Frames.insert(state.Frames.begin() + state.CurrentFrame + 1, AnimationFrame{cells});
  GoToFrame(state, state.CurrentFrame + 1);
  return true;
}

}  // namespace

bool AddFrameCopy(DocumentState& state) { return AddFrame(state, PackedBlock::Of(state.Pixels)); }

bool AddBlankFrame(DocumentState& state) { return AddFrame(state, PackedBlock()); }

bool DeleteFrame(DocumentState& state) {
  if (FrameCount(state) <= 1) return false;
  const int gone = state.CurrentFrame;
  const int next = gone + 1 < FrameCount(state) ? gone + 1 : gone - 1;
  GoToFrame(state, next);
  state.Frames.erase(state.Frames.begin() + gone);
  if (next > gone) state.CurrentFrame = next - 1;
  return true;
}

bool MoveFrame(DocumentState& state, int step) {
  const int to = state.CurrentFrame + step;
  if (to < 0 || to >= FrameCount(state)) return false;
  // The current frame's slot holds paper, so the two swap whole.
  std::swap(state.Frames[state.CurrentFrame], state.Frames[to]);
  state.CurrentFrame = to;
  return true;
}

bool SetFrameDuration(DocumentState& state, int duration) {
  std::int32_t& now = state.Frames[state.CurrentFrame].duration;
  const int held = std::clamp(duration, kShortestFrame, kLongestFrame);
  if (now == held) return false;
  now = held;
  return true;
}

void TakeFrames(DocumentState& state, const std::vector<std::int32_t>& durations,
                const std::vector<PackedBlock>& further) {
  state.Frames.assign(durations.size(), AnimationFrame{});
  for (std::size_t i = 0; i < durations.size(); ++i) {
    state.Frames[i].duration = durations[i];
    if (i > 0) state.Frames[i].cells = further[i - 1];
  }
  state.CurrentFrame = 0;
}

Animation AnimationOf(const DocumentState& state) {
  Animation animation{state.MX, state.MY, state.Frames};
  animation.frames[state.CurrentFrame].cells = PackedBlock::Of(state.Pixels);
  return animation;
}

void TakeAnimation(DocumentState& state, const Animation& animation) {
  state.MX = animation.width;
  state.MY = animation.height;
  state.Frames = animation.frames;
  state.CurrentFrame = 0;
  state.Frames[0].cells.CopyTo(state.Pixels);
  state.Frames[0].cells = PackedBlock();
}

void KeepOneFrame(DocumentState& state) {
  state.Frames.assign(1, AnimationFrame{});
  state.CurrentFrame = 0;
}

}  // namespace tochkograf
