// The rules of the Custom layout on a card: which boxes can be placed freely, where a box placed
// freely stands, and how a card's layout becomes "Custom" and is left for one of the ten.
#pragma once

#include <optional>

#include "core/card/CardState.h"
#include "core/card/CustomLayout.h"

namespace tavolo {

// Whether the card's layout is "Custom".
bool ShowsCustomLayout(const CardState& card);
// Where box `box` stands when the card shows the Custom layout and the box is placed freely;
// never for a box whose lines run up the card, which stays in its layout's place.
std::optional<FreeBox> FreeBoxOf(const CardState& card, int box);
// Whether box `box` can be placed freely: a box of the layout whose lines run across.
bool CanPlaceFreely(const CardState& card, int box);

// The card's layout becomes "Custom", from its present layout and whatever of it is placed
// freely already; an arrangement kept for another layout is let go.
void MakeLayoutCustom(CardState& card);
// Box `box` placed freely at `where`, the layout becoming "Custom"; false (and nothing changes)
// for a box that cannot be.
bool PlaceBoxFreely(CardState& card, int box, const FreeBox& where);
// The Custom arrangement is kept, no longer current: the boxes are in their layout's places.
void KeepCustomLayout(CardState& card);

}  // namespace tavolo
