#include "core/render/PictureGeometry.h"

#include <algorithm>
#include <cmath>

#include "core/card/Truncate.h"

namespace tavolo {

namespace {

// A trim of 1 removes this share of the picture's side.
constexpr float kTrimShare = 0.95f;
constexpr float kHalf = 0.5f;
constexpr float kCentreShift = 0.475f;
constexpr int kHalfTurn = 180;

}  // namespace

PixelRect TrimEdges(const PlacedPicture& picture, int fileWidth, int fileHeight) {
  if (!RulesOf(picture.kind).trimmed) return {0, 0, fileWidth, fileHeight};
  const PlacedPicture& p = picture;
  return {Trunc(kTrimShare * p.trimLeft * p.width * kHalf),
          Trunc(kTrimShare * p.trimTop * p.height * kHalf),
          Trunc(p.width - kTrimShare * p.trimRight * p.width * kHalf),
          Trunc(p.height - kTrimShare * p.trimBottom * p.height * kHalf)};
}

bool IsUpright(const PlacedPicture& picture) {
  return !RulesOf(picture.kind).turned || Trunc(picture.angle) % kHalfTurn == 0;
}

PixelRect PictureRectangle(const PlacedPicture& picture, int trimmedWidth, int trimmedHeight,
                           int divisor) {
  const PlacedPicture& p = picture;
  const float div = static_cast<float>(std::max(divisor, 1));
  const float s = 1.0f - p.reduction;
  const bool upright = IsUpright(p);
  const float w = static_cast<float>(upright ? trimmedWidth : trimmedHeight) * s / div;
  const float h = static_cast<float>(upright ? trimmedHeight : trimmedWidth) * s / div;
  float x = p.x;
  float y = p.y;
  // Only trims move the centre; a kind without them is not touched, whatever its other values.
  if (RulesOf(p.kind).trimmed) {
    x += kCentreShift * s * (p.trimLeft - p.trimRight) * p.width * kHalf;
    y += kCentreShift * s * (p.trimTop - p.trimBottom) * p.height * kHalf;
  }
  x /= div;
  y /= div;
  return {Trunc(x - w / 2), Trunc(y - h / 2), Trunc(x + w / 2), Trunc(y + h / 2)};
}

PixelRect PlacedArea(const PlacedPicture& picture, int divisor) {
  if (picture.name.isEmpty()) return {};
  const PixelRect kept = TrimEdges(picture, Trunc(picture.width), Trunc(picture.height));
  // Damaged sizes are held where the rectangle's arithmetic stays defined.
  const auto side = [](int64_t length) {
    return static_cast<int>(std::clamp<int64_t>(length, 0, int64_t{1} << 30));
  };
  return PictureRectangle(picture, side(kept.Width()), side(kept.Height()), divisor);
}

bool TurnPicture(const RasterImage& picture, float angle, RasterImage& turned) {
  // The image layer turns counter-clockwise for a positive angle.
  return picture.Rotate(-angle, turned);
}

int QuarterTurns(float angle) {
  if (!std::isfinite(angle)) return -1;
  double turn = std::fmod(static_cast<double>(angle), 360.0);
  if (turn < 0) turn += 360.0;
  for (int quarter = 0; quarter < 4; ++quarter) {
    if (turn == 90.0 * quarter) return quarter;
  }
  return -1;
}

}  // namespace tavolo
