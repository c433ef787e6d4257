// The two faces of a card: the back shares the front's size, is drawn at it, and starts as a copy
// of the front.
#pragma once

#include "core/card/CardState.h"

namespace tavolo {

// The faces share one size: the card's width, height, their units and the dpi. The face's photo,
// logo, QR code, added objects and the boxes placed freely keep their place in proportion to the
// card and their printed size.
void TakeSizeOf(CardState& face, const CardState& sized);

// The back of `front` as it is drawn and printed: its own face at the front's size, holding no
// back of its own. Only when front.back.Has().
CardState BackFaceOf(const CardState& front);

// The back a card gains when "Back side" is switched on: a copy of the front's face, which the
// user then changes.
CardState NewBackFaceFor(const CardState& front);

}  // namespace tavolo
