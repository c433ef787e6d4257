#include <cmath>

#include "Canvas.h"
#include "Families.h"
#include "Field.h"

namespace tavolo::bggen {

void PaintMeshGradient(QImage& image, std::span<const ColourPoint> points, float spread,
                       uint32_t seed) {
  constexpr float kAspect = static_cast<float>(kHeight) / static_cast<float>(kWidth);
  const float falloff = 1.0f / (spread * spread);
  const Field wanderU(
      4, [&](float x, float y) { return Fbm(x / kWidth * 1.7f, y / kWidth * 1.7f, 3, seed); });
  const Field wanderV(4, [&](float x, float y) {
    return Fbm(x / kWidth * 1.7f + 3.1f, y / kWidth * 1.7f + 7.7f, 3, seed + 1);
  });
  ShadePixels(image, [&](float x, float y) {
    float u = x / kWidth;
    float v = y / kWidth;
    // A gentle wander keeps the blend from looking like a drawing-program ramp.
    u += (wanderU.At(x, y) - 0.5f) * 0.22f;
    v += (wanderV.At(x, y) - 0.5f) * 0.22f;
    Rgb sum;
    float total = 0.0f;
    for (const ColourPoint& p : points) {
      const float dx = u - p.x;
      const float dy = v - p.y * kAspect;
      const float w = std::exp(-(dx * dx + dy * dy) * falloff);
      sum = sum + p.colour * w;
      total += w;
    }
    return sum * (1.0f / total);
  });
  AddGrain(image, 0.012f, seed + 2);
}

}  // namespace tavolo::bggen
