// The colour model: hue 0..239, saturation 0..240, lightness 0..240 as 32-bit floats, and the
// conversions to and from RGB with their exact constants and roundings.
#pragma once

#include <algorithm>
#include <cmath>
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
// Bytes truncated: 1.0 gives 255, 0.999 gives 254; out-of-range channels clamp.
ColourRef RgbToColourRef(RgbColour rgb);

// The conversions a tint makes for every colour of a picture are defined here, where the
// compiler can inline them into its loop.
namespace colour_model {

inline constexpr float kOneOver240 = 0.004166667f;
inline constexpr float kOneOver60 = 0.016666668f;
inline constexpr float k120Over255 = 0.47058824f;

// NaN, which a damaged file can hold, counts as 0, so that no channel ends up NaN.
inline float Clamp(float v, float top) {
  if (!(v >= 0.0f)) return 0.0f;
  if (v >= top) return top;
  return v;
}

struct Prepared {
  float hueDeg;
  float s;
  float l;
  float m1;
  float m2;
};

// Steps shared by HslToRgb and HslToColourRef: clamp, scale, and the two mixing weights.
inline Prepared Prepare(float h, float s, float l) {
  h = Clamp(h, 239.0f);
  s = Clamp(s, 240.0f);
  l = Clamp(l, 240.0f);
  Prepared p{};
  p.hueDeg = h * 1.5f;
  p.s = s * kOneOver240;
  p.l = l * kOneOver240;
  p.m2 = (l <= 120.0f) ? p.l * (1.0f + p.s) : p.l + p.s - p.l * p.s;
  p.m1 = 2.0f * p.l - p.m2;
  return p;
}

inline uint8_t RoundedByte(float c) {
  return static_cast<uint8_t>(static_cast<int>(c * 255.0f + 0.5f));
}

}  // namespace colour_model

inline float HueToChannel(float m1, float m2, float hue) {
  using colour_model::kOneOver60;
  if (hue > 360.0f) {
    hue -= 360.0f;
  } else if (hue < 0.0f) {
    hue += 360.0f;
  }
  if (hue < 60.0f) return (m2 - m1) * hue * kOneOver60 + m1;
  if (hue < 180.0f) return m2;
  if (hue < 240.0f) return (m2 - m1) * (240.0f - hue) * kOneOver60 + m1;
  return m1;
}

// Same formula as HslToRgb, but an exact grey test and bytes rounded half up.
inline ColourRef HslToColourRef(float h, float s, float l) {
  using colour_model::RoundedByte;
  const colour_model::Prepared p = colour_model::Prepare(h, s, l);
  if (p.s == 0.0f) {
    const uint8_t grey = RoundedByte(p.l);
    return MakeColourRef(grey, grey, grey);
  }
  return MakeColourRef(RoundedByte(HueToChannel(p.m1, p.m2, p.hueDeg + 120.0f)),
                       RoundedByte(HueToChannel(p.m1, p.m2, p.hueDeg)),
                       RoundedByte(HueToChannel(p.m1, p.m2, p.hueDeg - 120.0f)));
}

inline HslColour RgbToHsl(RgbColour rgb) {
  const float r = std::clamp(rgb.r, 0.0f, 255.0f);
  const float g = std::clamp(rgb.g, 0.0f, 255.0f);
  const float b = std::clamp(rgb.b, 0.0f, 255.0f);
  const float max = std::max({r, g, b});
  const float min = std::min({r, g, b});
  const float sum = max + min;
  const float delta = max - min;
  HslColour out;
  out.l = sum * colour_model::k120Over255;
  if (std::fabs(delta) < 0.1f) {
    out.s = 0.0f;
    out.h = 160.0f;
    return out;
  }
  out.s = delta / (sum <= 255.0f ? sum : 510.0f - sum) * 240.0f;
  if (r == max) {
    out.h = (g - b) / delta * 40.0f;
  } else if (g == max) {
    out.h = ((b - r) / delta + 2.0f) * 40.0f;
  } else {
    out.h = ((r - g) / delta + 4.0f) * 40.0f;
  }
  if (out.h < 0.0f) out.h += 239.0f;
  return out;
}

}  // namespace tavolo
