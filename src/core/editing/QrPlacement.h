// Where a new QR code goes: a corner of the card where it covers no text, frame or picture.
#pragma once

#include <optional>

#include "core/card/CardState.h"
#include "core/render/CardRenderer.h"

namespace tavolo {

// A new code for `card` (the size NewQrCode gives) in the first corner of kQrCorners where it
// covers nothing the card draws over its background: text, frames, photo, logo. None when every
// corner is taken. Draws the card twice with `renderer`, at a fraction of its size.
std::optional<PlacedQrCode> PlaceNewQrCode(CardRenderer& renderer, const CardState& card);

}  // namespace tavolo
