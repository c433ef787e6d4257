// CardHistory: a ring of 100 card states with undo and redo counts. The ring holds the current
// state and at most 99 states before it; a push drops every redo step.
#pragma once

#include <array>
#include <memory>

#include "core/card/CardState.h"

namespace tavolo {

inline constexpr int kHistorySlots = 100;

class CardHistory {
 public:
  CardHistory();

  void Clear();
  void Push(const CardState& state);
  bool CanUndo() const { return undoCount_ > 0; }
  bool CanRedo() const { return redoCount_ > 0; }
  // Called only when CanUndo / CanRedo holds; each returns a copy of the state to apply.
  CardState StepBack();
  CardState StepForward();

  int Current() const { return cur_; }
  int UndoCount() const { return undoCount_; }
  int RedoCount() const { return redoCount_; }
  const CardState& Slot(int index) const { return (*states_)[index]; }

 private:
  // 100 full states are large; they live on the heap.
  std::unique_ptr<std::array<CardState, kHistorySlots>> states_;
  int cur_ = -1;
  int undoCount_ = -1;
  int redoCount_ = 0;
};

}  // namespace tavolo
