// The memory the picture's history takes: 100 steps of a 64-frame picture
// of 128 x 96, each step drawing on one frame, against the memory the
// picture itself takes; then 100 steps that each change every frame, which
// the history's own bound holds.

#include <malloc.h>

#include <QRandomGenerator>
#include <cstdio>
#include <memory>

#include "picture/document_state.h"
#include "picture/frames.h"

using namespace tochkograf;

namespace {

std::size_t HeapInUse() { return mallinfo2().uordblks; }

void Scribble(DocumentState& state, QRandomGenerator& random, int cells) {
  for (int i = 0; i < cells; ++i)
    state.Pixels(1 + random.bounded(kMaxWidth), 1 + random.bounded(kMaxHeight)) ^= kOn;
}

}  // namespace

int main() {
  QRandomGenerator random(33);
  const std::size_t empty = HeapInUse();
  auto state = std::make_unique<DocumentState>();
  state->MX = kMaxWidth;
  state->MY = kMaxHeight;
  for (int f = 0; f < kMaxFrames; ++f) {
    if (f > 0) AddBlankFrame(*state);
    Scribble(*state, random, 4000);
  }
  state->History.Start(*state);
  const std::size_t picture = HeapInUse() - empty + sizeof(DocumentState);

  const std::size_t before = HeapInUse();
  for (int step = 0; step < 100; ++step) {
    GoToFrame(*state, random.bounded(kMaxFrames));
    Scribble(*state, random, 20);
    state->History.Record(*state, QStringLiteral("Карандаш"));
  }
  const std::size_t history = HeapInUse() - before;
  std::printf("History of 100 steps, 64 frames of 128 x 96, one frame changed a step:\n");
  std::printf(
      "  one picture %zu KB; the history %zu KB above it (%.2f MB), %.1f pictures; "
      "its own count %zu KB; %d steps kept\n",
      picture / 1024, history / 1024, history / 1048576.0, double(history) / picture,
      state->History.Bytes() / 1024, state->History.Count());

  const std::size_t before_all = HeapInUse();
  for (int step = 0; step < 100; ++step) {
    for (int f = 0; f < kMaxFrames; ++f) {
      GoToFrame(*state, f);
      Scribble(*state, random, 1);
    }
    state->History.Record(*state, QStringLiteral("Импорт"));
  }
  const std::size_t all = HeapInUse() - before_all + history;
  std::printf("Then 100 steps each changing all 64 frames:\n");
  std::printf("  the history %zu KB (%.2f MB) above the picture; %d steps kept\n", all / 1024,
              all / 1048576.0, state->History.Count());
  return 0;
}
