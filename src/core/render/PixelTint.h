// Turning the hue and moving the saturation and lightness of whole rows of pixels.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavolo {

// Each pixel (first byte red) goes through RgbToHsl, gains dh on the hue (wrapped by 239) and
// ds and dl on saturation and lightness (held within 0..240), and comes back through
// HslToColourRef: the same bytes as those conversions give one pixel at a time, the top byte 0.
void TintPixels(uint32_t* pixels, size_t count, float dh, float ds, float dl);

}  // namespace tavolo
