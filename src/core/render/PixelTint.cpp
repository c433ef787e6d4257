#include "core/render/PixelTint.h"

#include <algorithm>
#include <cstring>

#include "core/base/ColourModel.h"

namespace tavolo {

namespace {

// Four lanes of the compiler's vector types: a noisy picture has few repeated colours, so the
// conversions themselves must be cheap. Every lane takes the float steps of the one-pixel
// conversions in the same order and picks its branch by a mask, so its bytes are theirs.
using Floats = float __attribute__((vector_size(16)));
using Ints = int32_t __attribute__((vector_size(16)));

Floats Select(Ints mask, Floats yes, Floats no) {
  return reinterpret_cast<Floats>((mask & reinterpret_cast<Ints>(yes)) |
                                  (~mask & reinterpret_cast<Ints>(no)));
}

Floats Splat(float v) {
  return Floats{v, v, v, v};
}

// std::max and std::min of two floats, lane by lane.
Floats Larger(Floats a, Floats b) {
  return Select(a < b, b, a);
}
Floats Smaller(Floats a, Floats b) {
  return Select(b < a, b, a);
}

Floats Held(Floats v, float low, float high) {
  return Select(v < low, Splat(low), Select(Splat(high) < v, Splat(high), v));
}

Floats HueToChannel(Floats m1, Floats m2, Floats hue) {
  using colour_model::kOneOver60;
  hue = Select(hue > 360.0f, hue - 360.0f, Select(hue < 0.0f, hue + 360.0f, hue));
  const Floats rising = (m2 - m1) * hue * kOneOver60 + m1;
  const Floats falling = (m2 - m1) * (240.0f - hue) * kOneOver60 + m1;
  return Select(hue < 60.0f, rising, Select(hue < 180.0f, m2, Select(hue < 240.0f, falling, m1)));
}

Ints RoundedBytes(Floats c) {
  return __builtin_convertvector(c * 255.0f + 0.5f, Ints) & 0xFF;
}

void TintFour(uint32_t* pixels, Floats dh, Floats ds, Floats dl) {
  Ints packed;
  std::memcpy(&packed, pixels, sizeof packed);
  const Floats r = __builtin_convertvector(packed & 0xFF, Floats);
  const Floats g = __builtin_convertvector((packed >> 8) & 0xFF, Floats);
  const Floats b = __builtin_convertvector((packed >> 16) & 0xFF, Floats);

  // RgbToHsl; the channels are bytes, so within 0..255 already.
  const Floats max = Larger(Larger(r, g), b);
  const Floats min = Smaller(Smaller(r, g), b);
  const Floats sum = max + min;
  const Floats delta = max - min;
  Floats l = sum * colour_model::k120Over255;
  const Ints grey = delta < 0.1f;
  Floats s = delta / Select(sum <= 255.0f, sum, 510.0f - sum) * 240.0f;
  Floats h =
      Select(r == max, (g - b) / delta * 40.0f,
             Select(g == max, ((b - r) / delta + 2.0f) * 40.0f, ((r - g) / delta + 4.0f) * 40.0f));
  h = Select(h < 0.0f, h + 239.0f, h);
  s = Select(grey, Splat(0.0f), s);
  h = Select(grey, Splat(160.0f), h);

  // The shift.
  h += dh;
  h = Select(h > 239.0f, h - 239.0f, h);
  h = Select(h < 0.0f, h + 239.0f, h);
  s = Held(s + ds, 0.0f, 240.0f);
  l = Held(l + dl, 0.0f, 240.0f);

  // HslToColourRef; h is within 0..239 here and nothing is NaN, so its clamps change nothing.
  const Floats hueDeg = h * 1.5f;
  const Floats ps = s * colour_model::kOneOver240;
  const Floats pl = l * colour_model::kOneOver240;
  const Floats m2 = Select(l <= 120.0f, pl * (1.0f + ps), pl + ps - pl * ps);
  const Floats m1 = 2.0f * pl - m2;
  const Ints noSaturation = ps == 0.0f;
  const Ints greyByte = RoundedBytes(pl);
  const auto channel = [&](Floats hue) {
    return (noSaturation & greyByte) | (~noSaturation & RoundedBytes(HueToChannel(m1, m2, hue)));
  };
  const Ints red = channel(hueDeg + 120.0f);
  const Ints green = channel(hueDeg);
  const Ints blue = channel(hueDeg - 120.0f);
  const Ints tinted = red | (green << 8) | (blue << 16);
  std::memcpy(pixels, &tinted, sizeof tinted);
}

}  // namespace

void TintPixels(uint32_t* pixels, size_t count, float dh, float ds, float dl) {
  const Floats h = Splat(dh);
  const Floats s = Splat(ds);
  const Floats l = Splat(dl);
  size_t i = 0;
  for (; i + 4 <= count; i += 4) TintFour(pixels + i, h, s, l);
  if (i == count) return;
  uint32_t rest[4] = {};
  std::copy(pixels + i, pixels + count, rest);
  TintFour(rest, h, s, l);
  std::copy(rest, rest + (count - i), pixels + i);
}

}  // namespace tavolo
