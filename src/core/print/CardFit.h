// Whether a card's own size matches the card rectangle of a page layout, and the card that takes
// the layout's size. Both are lengths in print pixels at the card's resolution.
#pragma once

#include <string>

#include "core/card/CardState.h"
#include "core/print/PageLayout.h"

namespace tavolo {

// Closer than this in both directions, a card and a layout's rectangle count as the same size.
inline constexpr double kCardFitToleranceMm = 0.5;

// How a card is printed on a layout whose rectangle differs from it: the card takes the
// layout's size, or keeps its own, centred in each rectangle and clipped to it.
enum class CardFit { kSheetSize, kCardSize };

// Whether the card's size and the layout's card rectangle differ by more than the tolerance in
// width or height.
bool CardDiffersFromLayout(const CardState& card, const PageLayout& layout);

// "the card is 85.0 × 55.0 mm, the sheet's cards 85.0 × 54.0 mm"
std::string CardAndLayoutSizes(const CardState& card, const PageLayout& layout);

// The card at the layout's card size, its resolution kept; its boxes reflow as for any new size.
CardState FittedToLayout(CardState card, const PageLayout& layout);

}  // namespace tavolo
