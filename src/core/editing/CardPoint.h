// A point of card pixels: where the pointer is on the card.
#pragma once

namespace tavolo {

struct CardPoint {
  float x = 0.0f;
  float y = 0.0f;
  friend bool operator==(const CardPoint&, const CardPoint&) = default;
};

}  // namespace tavolo
