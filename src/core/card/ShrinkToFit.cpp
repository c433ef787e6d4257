#include "core/card/ShrinkToFit.h"

namespace tavolo {

bool ShrinksToFit(const CardState& card, int box) {
  if (box < 0 || box >= kTextBoxCount || !card.shrinkToFit) return false;
  return (*card.shrinkToFit)[static_cast<size_t>(box)];
}

void SetShrinkToFit(CardState& card, int box, bool on) {
  if (box < 0 || box >= kTextBoxCount) return;
  FitFlags boxes = card.shrinkToFit.value_or(FitFlags{});
  boxes[static_cast<size_t>(box)] = on;
  card.shrinkToFit = boxes;
}

void ShrinkEveryBoxToFit(CardState& card) {
  FitFlags all;
  all.fill(true);
  card.shrinkToFit = all;
}

void ShrinkNewCardToFit(CardState& card) {
  if (!card.shrinkToFit) ShrinkEveryBoxToFit(card);
}

}  // namespace tavolo
