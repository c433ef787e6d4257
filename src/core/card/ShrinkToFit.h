// Which text boxes of a card draw a line too wide for the box smaller until it fits. A card whose
// file does not say shrinks nothing, so it is drawn as it always was; a new card shrinks every box.
#pragma once

#include "core/card/CardState.h"

namespace tavolo {

// False for a box outside 0..4 and for a card that does not say.
bool ShrinksToFit(const CardState& card, int box);
void SetShrinkToFit(CardState& card, int box, bool on);
void ShrinkEveryBoxToFit(CardState& card);
// A card made from a template shrinks every box, unless the template says otherwise.
void ShrinkNewCardToFit(CardState& card);

}  // namespace tavolo
