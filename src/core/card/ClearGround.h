// A template's clear ground: per text box, the area its artwork leaves free for the box's lines.
// The areas hold only while the card keeps the layout, background and size they were measured
// for; a card changed since is treated as one without them.
#pragma once

#include <optional>

#include "core/card/CardState.h"
#include "core/card/PixelRect.h"

namespace tavolo {

// Areas measured on `card` as it is now.
void SetClearGround(CardState& card,
                    const std::array<std::optional<PixelRect>, kTextBoxCount>& areas);

// Whether the card still has the artwork its clear ground was measured for; false without one.
bool ClearGroundHolds(const CardState& card);

// The area box `box` of `card` keeps its lines in; none for a box without one, a card without
// clear ground or one whose artwork changed since.
std::optional<PixelRect> ClearAreaOf(const CardState& card, int box);

}  // namespace tavolo
