#include <algorithm>
#include <cmath>

#include "Canvas.h"
#include "Families.h"
#include "Field.h"

namespace tavolo::bggen {

void PaintWash(QImage& image, const WashStyle& style) {
  PaintPaper(image, {.base = style.paper, .mottle = 0.012f, .grain = 0.025f, .seed = style.seed});
  uint32_t blotSeed = style.seed * 31u;
  for (const WashBlot& blot : style.blots) {
    ++blotSeed;
    const float cx = blot.x * kWidth;
    const float cy = blot.y * kHeight;
    const float r = blot.radius * kWidth;
    const int x0 = std::max(0, static_cast<int>(cx - r * 1.5f));
    const int x1 = std::min(kWidth, static_cast<int>(cx + r * 1.5f));
    const int y0 = std::max(0, static_cast<int>(cy - r * 1.5f));
    const int y1 = std::min(kHeight, static_cast<int>(cy + r * 1.5f));
    const Field rim(2, [&](float x, float y) { return Fbm(x / 160.0f, y / 160.0f, 4, blotSeed); });
    const Field wash(2,
                     [&](float x, float y) { return Fbm(x / 70.0f, y / 70.0f, 3, blotSeed + 3); });
    const Field ragged(
        2, [&](float x, float y) { return Fbm(x / 24.0f, y / 24.0f, 3, blotSeed + 7); });
    for (int y = y0; y < y1; ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = x0; x < x1; ++x) {
        const float fx = static_cast<float>(x);
        const float fy = static_cast<float>(y);
        const float dx = (fx - cx) / r;
        const float dy = (fy - cy) / r;
        // A ragged rim: the distance is bent by noise at two scales.
        const float d = std::sqrt(dx * dx + dy * dy) + 0.55f * (rim.At(fx, fy) - 0.5f) +
                        0.06f * (ragged.At(fx, fy) - 0.5f);
        if (d >= 1.0f) continue;
        const float inside = 1.0f - SmoothStep(0.93f, 1.0f, d);
        // Pigment drifts toward the rim while drying and settles in the paper's tooth.
        const float pool = SmoothStep(0.72f, 0.985f, d);
        const float body = 0.55f + 0.45f * wash.At(fx, fy);
        const float granule = 0.85f + 0.3f * ValueNoise(fx / 2.2f, fy / 2.2f, blotSeed + 5);
        const float density =
            Clamp01(blot.density * inside * (body * (1.0f - 0.6f * d) + 0.55f * pool) * granule);
        const Rgb paper = Unpack(row[x]);
        const Rgb tinted = paper * Mix(Rgb{1, 1, 1}, blot.pigment, density);
        row[x] = Pack(tinted, HashUnit(x, y, kDitherSeed));
      }
    }
  }
}

}  // namespace tavolo::bggen
