// A rectangle of card pixels by its four edges, the unit of every placement on the card.
#pragma once

#include <cstdint>

namespace tavolo {

// Right and bottom are exclusive.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  // Edges may lie anywhere an int reaches, so the distance between them may not fit one.
  int64_t Width() const { return int64_t{right} - left; }
  int64_t Height() const { return int64_t{bottom} - top; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace tavolo
