// Blending 32-bit card pixels (blue, green, red, fourth byte) towards a colour, one colour byte at
// a time: (colour × colourWeight + pixel × pixelWeight) / 255 with the two weights summing to 255,
// truncated, the fourth byte 0. Written as plain loops over whole rows so that the compiler turns
// them into vector code.
#pragma once

#include <cstdint>

namespace tavolo {

// x / 255, exact for every x from 0 to 255 × 255, by a multiply and a shift.
inline constexpr uint32_t DivideBy255(uint32_t x) {
  return (x * 0x8081u) >> 23;
}

inline constexpr uint32_t BlendBytes(uint32_t pixel, uint32_t colour, uint32_t pixelWeight,
                                     uint32_t colourWeight) {
  const uint32_t blue = DivideBy255((colour & 0xFF) * colourWeight + (pixel & 0xFF) * pixelWeight);
  const uint32_t green =
      DivideBy255(((colour >> 8) & 0xFF) * colourWeight + ((pixel >> 8) & 0xFF) * pixelWeight);
  const uint32_t red =
      DivideBy255(((colour >> 16) & 0xFF) * colourWeight + ((pixel >> 16) & 0xFF) * pixelWeight);
  return blue | (green << 8) | (red << 16);
}

// Blends the pixels [first, last) with one pair of weights.
inline void BlendSpan(uint32_t* first, uint32_t* last, uint32_t colour, uint32_t pixelWeight,
                      uint32_t colourWeight) {
  for (; first < last; ++first) *first = BlendBytes(*first, colour, pixelWeight, colourWeight);
}

}  // namespace tavolo
