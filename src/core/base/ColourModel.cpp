#include "core/base/ColourModel.h"

#include <cmath>

namespace tavolo {

RgbColour HslToRgb(HslColour hsl) {
  const colour_model::Prepared p = colour_model::Prepare(hsl.h, hsl.s, hsl.l);
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

}  // namespace tavolo
