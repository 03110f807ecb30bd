#include "picture/edit_history.h"

#include <algorithm>
#include <array>
#include <set>

#include "picture/document_state.h"
#include "picture/frames.h"

namespace tochkograf {

// Each frame's cells are shared with the newest step's, or an earlier
// frame's of this step, wherever they hold the same cells: a frame moved
// or copied costs nothing new.
EditHistory::Step EditHistory::StepOf(const DocumentState& state, const QString& name) const {
  const Animation animation = AnimationOf(state);
  Step step{name, state.MX, state.MY, state.CurrentFrame, {}, {}};
  for (const AnimationFrame& frame : animation.frames) {
    std::shared_ptr<const PackedBlock> kept;
    using Cells = std::vector<std::shared_ptr<const PackedBlock>>;
    const std::array<const Cells*, 2> places{&step.cells,
                                             steps_.empty() ? nullptr : &steps_.back().cells};
    for (const Cells* cells : places)
      for (std::size_t i = 0; cells && !kept && i < cells->size(); ++i)
        if (*(*cells)[i] == frame.cells) kept = (*cells)[i];
    step.cells.push_back(kept ? kept : std::make_shared<const PackedBlock>(frame.cells));
    step.durations.push_back(frame.duration);
  }
  return step;
}

void EditHistory::Start(const DocumentState& state) {
  steps_.clear();
  steps_.push_back(StepOf(state, QStringLiteral("Начало")));
}

bool EditHistory::Record(const DocumentState& state, const QString& name) {
  Step step = StepOf(state, name);
  if (!steps_.empty()) {
    const Step& last = steps_.back();
    const auto same = [](const auto& a, const auto& b) { return a == b || *a == *b; };
    if (last.width == step.width && last.height == step.height &&
        last.durations == step.durations &&
        std::equal(last.cells.begin(), last.cells.end(), step.cells.begin(), step.cells.end(),
                   same))
      return false;
  }
  steps_.push_back(std::move(step));
  // The step the oldest change started from stays, as their start.
  while (Count() > kMaxSteps + 1 || (Count() > 2 && Bytes() > kMaxBytes)) steps_.pop_front();
  return true;
}

void EditHistory::Restore(int index, DocumentState& state) const {
  const Step& step = steps_[index];
  Animation animation{step.width, step.height, {}};
  for (std::size_t i = 0; i < step.cells.size(); ++i)
    animation.frames.push_back({*step.cells[i], step.durations[i]});
  TakeAnimation(state, animation);
  GoToFrame(state, std::clamp(step.current, 0, animation.Count() - 1));
}

std::size_t EditHistory::Bytes() const {
  std::set<const PackedBlock*> blocks;
  std::size_t bytes = 0;
  for (const Step& step : steps_) {
    bytes += sizeof(Step) + step.cells.size() * (sizeof(step.cells[0]) + sizeof(std::int32_t));
    for (const auto& cells : step.cells) blocks.insert(cells.get());
  }
  return bytes + blocks.size() * sizeof(PackedBlock);
}

}  // namespace tochkograf
