// The colour model: hue 0..239, saturation 0..240, lightness 0..240 as 32-bit floats, and the
// conversions to and from RGB with their exact constants and roundings.
#pragma once

#include <cstdint>

namespace tavolo {

struct HslColor {
  float h = 0.0f;
  float s = 0.0f;
  float l = 0.0f;
  friend bool operator==(const HslColor&, const HslColor&) = default;
};

// Channels on the unit scale (HslToRgb's result) or the byte scale (RgbToHsl's input).
struct RgbColor {
  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
  friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

// A device colour packed 0x00BBGGRR.
using Colorref = uint32_t;

inline constexpr uint8_t ColorrefRed(Colorref c) {
  return static_cast<uint8_t>(c);
}
inline constexpr uint8_t ColorrefGreen(Colorref c) {
  return static_cast<uint8_t>(c >> 8);
}
inline constexpr uint8_t ColorrefBlue(Colorref c) {
  return static_cast<uint8_t>(c >> 16);
}
inline constexpr Colorref MakeColorref(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<Colorref>(r) | (static_cast<Colorref>(g) << 8) |
         (static_cast<Colorref>(b) << 16);
}

RgbColor HslToRgb(HslColor hsl);
float HueToChannel(float m1, float m2, float hue);
// Bytes truncated: 1.0 gives 255, 0.999 gives 254; out-of-range channels clamp.
Colorref RgbToColorref(RgbColor rgb);
// Same formula as HslToRgb, but an exact grey test and bytes rounded half up.
Colorref HslToColorref(float h, float s, float l);
HslColor RgbToHsl(RgbColor rgb);

}  // namespace tavolo
