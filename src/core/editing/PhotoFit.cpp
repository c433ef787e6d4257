#include "core/editing/PhotoFit.h"

#include <algorithm>
#include <cmath>

namespace tavolo {

namespace {

constexpr double kPercent = 100.0;
constexpr double kPerPercent = 0.01;
// A reduction made from a whole percentage lies a float's rounding away from it, on either side;
// this much more keeps 1 % showing as 1 and not as 0 (up to well beyond 1000 %).
constexpr double kRoundingAllowance = 1e-3;

}  // namespace

int ShownPercent(float reduction) {
  if (!std::isfinite(reduction)) return kFullSizePercent;
  const double shown = (1.0 - static_cast<double>(reduction)) * kPercent;
  return static_cast<int>(std::trunc(std::clamp(shown + kRoundingAllowance, -1e9, 1e9)));
}

float ReductionForPercent(int percent) {
  return static_cast<float>(1.0 - percent * kPerPercent);
}

std::optional<float> FitReduction(float imageWidth, float imageHeight, float cardWidth,
                                  float cardHeight) {
  const float halfHeight = cardHeight / 2;
  const float halfWidth = cardWidth / 2;
  // Only one side decides, the height first.
  if (imageHeight > halfHeight) return 1.0f - halfHeight / imageHeight;
  if (imageWidth > halfWidth) return 1.0f - halfWidth / imageWidth;
  return std::nullopt;
}

}  // namespace tavolo
