#include "core/base/ColourModel.h"

#include <algorithm>
#include <cmath>

namespace tavolo {

namespace {

constexpr float kOneOver240 = 0.004166667f;
constexpr float kOneOver60 = 0.016666668f;
constexpr float k120Over255 = 0.47058824f;

// NaN, which a damaged file can hold, counts as 0, so that no channel ends up NaN.
float Clamp(float v, float top) {
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
Prepared Prepare(float h, float s, float l) {
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

uint8_t RoundedByte(float c) {
  return static_cast<uint8_t>(static_cast<int>(c * 255.0f + 0.5f));
}

}  // namespace

float HueToChannel(float m1, float m2, float hue) {
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

RgbColour HslToRgb(HslColour hsl) {
  const Prepared p = Prepare(hsl.h, hsl.s, hsl.l);
  if (std::fabs(p.s) <= 0.0001f) return {p.l, p.l, p.l};
  return {HueToChannel(p.m1, p.m2, p.hueDeg + 120.0f), HueToChannel(p.m1, p.m2, p.hueDeg),
          HueToChannel(p.m1, p.m2, p.hueDeg - 120.0f)};
}

ColourRef RgbToColourRef(RgbColour rgb) {
  auto byte = [](float c) -> uint8_t {
    if (c > 1.0f) return 255;
    if (!(c >= 0.0f)) return 0;  // negative or NaN
    return static_cast<uint8_t>(static_cast<int>(c * 255.0f));
  };
  return MakeColourRef(byte(rgb.r), byte(rgb.g), byte(rgb.b));
}

ColourRef HslToColourRef(float h, float s, float l) {
  const Prepared p = Prepare(h, s, l);
  if (p.s == 0.0f) {
    const uint8_t grey = RoundedByte(p.l);
    return MakeColourRef(grey, grey, grey);
  }
  return MakeColourRef(RoundedByte(HueToChannel(p.m1, p.m2, p.hueDeg + 120.0f)),
                       RoundedByte(HueToChannel(p.m1, p.m2, p.hueDeg)),
                       RoundedByte(HueToChannel(p.m1, p.m2, p.hueDeg - 120.0f)));
}

HslColour RgbToHsl(RgbColour rgb) {
  const float r = std::clamp(rgb.r, 0.0f, 255.0f);
  const float g = std::clamp(rgb.g, 0.0f, 255.0f);
  const float b = std::clamp(rgb.b, 0.0f, 255.0f);
  const float max = std::max({r, g, b});
  const float min = std::min({r, g, b});
  const float sum = max + min;
  const float delta = max - min;
  HslColour out;
  out.l = sum * k120Over255;
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
