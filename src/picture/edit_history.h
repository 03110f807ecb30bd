#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "picture/frame.h"

namespace tochkograf {

struct DocumentState;

// The pictures the document has been, step by step, beside the one-step
// undo: the picture as it was opened or made, then the picture after each
// change, the newest last. It keeps the last kMaxSteps changes; older ones
// drop off the front. A frame that a step left as it was is kept once, by
// every step that shows it, so that a hundred steps of a 64-frame picture
// cost little more than the frames they changed. Steps that each change
// every frame (imports of whole animations) could still cost some ten
// megabytes; the oldest drop off sooner then, so the history stays within
// kMaxBytes.
class EditHistory {
 public:
  static constexpr int kMaxSteps = 100;
  static constexpr std::size_t kMaxBytes = 6 << 20;

  // Forgets every step: the history is the picture `state` holds now,
  // named "Начало".
  void Start(const DocumentState& state);
  // Adds the picture `state` holds as a step named `name`, unless it is
  // the picture of the newest step already; whether it did.
  bool Record(const DocumentState& state, const QString& name);

  int Count() const { return static_cast<int>(steps_.size()); }
  const QString& Name(int index) const { return steps_[index].name; }
  // The picture after step `index`: its size, frames and the frame that
  // was current.
  void Restore(int index, DocumentState& state) const;
  // What a preview of step `index` shows: its size, the frame that was
  // current and any frame's cells.
  int Width(int index) const { return steps_[index].width; }
  int Height(int index) const { return steps_[index].height; }
  int ShownFrame(int index) const { return steps_[index].current; }
  const PackedBlock& Cells(int index, int frame) const { return *steps_[index].cells[frame]; }
  // The bytes the steps hold: every frame's cells once, and each step's
  // list of them.
  std::size_t Bytes() const;

 private:
  struct Step {
    QString name;
    std::int32_t width = 0, height = 0, current = 0;
    std::vector<std::shared_ptr<const PackedBlock>> cells;
    std::vector<std::int32_t> durations;
  };
  Step StepOf(const DocumentState& state, const QString& name) const;

  std::deque<Step> steps_;
};

}  // namespace tochkograf
