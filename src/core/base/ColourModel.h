// The colour model: hue 0..239, saturation 0..240, lightness 0..240 as 32-bit floats, and the
// conversions to and from RGB with their exact constants and roundings.
#pragma once

#include <cstdint>

namespace tavolo {

struct HslColour {
  float h = 0.0f;
  float s = 0.0f;
  float l = 0.0f;
  friend bool operator==(const HslColour&, const HslColour&) = default;
};

// Channels on the unit scale (HslToRgb's result) or the byte scale (RgbToHsl's input).
struct RgbColour {
  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
  friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

// A device colour packed 0x00BBGGRR.
using ColourRef = uint32_t;

inline constexpr uint8_t ColourRefRed(ColourRef c) {
  return static_cast<uint8_t>(c);
}
inline constexpr uint8_t ColourRefGreen(ColourRef c) {
  return static_cast<uint8_t>(c >> 8);
}
inline constexpr uint8_t ColourRefBlue(ColourRef c) {
  return static_cast<uint8_t>(c >> 16);
}
inline constexpr ColourRef MakeColourRef(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<ColourRef>(r) | (static_cast<ColourRef>(g) << 8) |
         (static_cast<ColourRef>(b) << 16);
}

RgbColour HslToRgb(HslColour hsl);
float HueToChannel(float m1, float m2, float hue);
// Bytes truncated: 1.0 gives 255, 0.999 gives 254; out-of-range channels clamp.
ColourRef RgbToColourRef(RgbColour rgb);
// Same formula as HslToRgb, but an exact grey test and bytes rounded half up.
ColourRef HslToColourRef(float h, float s, float l);
HslColour RgbToHsl(RgbColour rgb);

}  // namespace tavolo
