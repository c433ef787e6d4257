#include "core/card/CardHistory.h"

#include "core/base/CheckedCall.h"

namespace tavolo {

CardHistory::CardHistory() : states_(std::make_unique<std::array<CardState, kHistorySlots>>()) {}

void CardHistory::Clear() {
  cur_ = -1;
  undoCount_ = -1;
  redoCount_ = 0;
}

void CardHistory::Push(const CardState& state) {
  if (++cur_ >= kHistorySlots) cur_ = 0;
  (*states_)[cur_] = state;
  if (undoCount_ < kHistorySlots - 1) ++undoCount_;
  redoCount_ = 0;
}

CardState CardHistory::StepBack() {
  if (--cur_ < 0) cur_ += kHistorySlots;
  --undoCount_;
  ++redoCount_;
  return (*states_)[cur_];
}

CardState CardHistory::StepForward() {
  if (++cur_ >= kHistorySlots) cur_ = 0;
  ++undoCount_;
  --redoCount_;
  const auto& states = *states_;
  const int cur = cur_;
  TAVOLO_CHECK_AS("pds[cur].pnmb >=0", states[cur].backgroundIndex >= 0);
  TAVOLO_CHECK_AS("pds[cur].lnmb >=0", states[cur].layoutIndex >= 0);
  return states[cur];
}

}  // namespace tavolo
