// The colour model: hue 0..239, saturation 0..240, lightness 0..240 as 32-bit floats, and the
// conversions to and from RGB with their exact constants and roundings.
#pragma once

#include <algorithm>
#include <cmath>
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

// The conversions the tint runs for every pixel are defined inline, so that its loop holds them
// whole.
namespace colour_model_detail {

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

// Steps shared by HslToRgb and HslToColorref: clamp, scale, and the two mixing weights.
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

}  // namespace colour_model_detail

RgbColor HslToRgb(HslColor hsl);

inline float HueToChannel(float m1, float m2, float hue) {
  using colour_model_detail::kOneOver60;
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

// Bytes truncated: 1.0 gives 255, 0.999 gives 254; out-of-range channels clamp.
Colorref RgbToColorref(RgbColor rgb);

// Same formula as HslToRgb, but an exact grey test and bytes rounded half up.
inline Colorref HslToColorref(float h, float s, float l) {
  using colour_model_detail::RoundedByte;
  const colour_model_detail::Prepared p = colour_model_detail::Prepare(h, s, l);
  if (p.s == 0.0f) {
    const uint8_t grey = RoundedByte(p.l);
    return MakeColorref(grey, grey, grey);
  }
  return MakeColorref(RoundedByte(HueToChannel(p.m1, p.m2, p.hueDeg + 120.0f)),
                      RoundedByte(HueToChannel(p.m1, p.m2, p.hueDeg)),
                      RoundedByte(HueToChannel(p.m1, p.m2, p.hueDeg - 120.0f)));
}

inline HslColor RgbToHsl(RgbColor rgb) {
  const float r = std::clamp(rgb.r, 0.0f, 255.0f);
  const float g = std::clamp(rgb.g, 0.0f, 255.0f);
  const float b = std::clamp(rgb.b, 0.0f, 255.0f);
  const float max = std::max({r, g, b});
  const float min = std::min({r, g, b});
  const float sum = max + min;
  const float delta = max - min;
  HslColor out;
  out.l = sum * colour_model_detail::k120Over255;
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
