#include "core/editing/SnapGuides.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tavolo {

namespace {

// A snapped line lies on a snap line when closer than this (card coordinates are floats, and a
// shift by the difference of two of them need not land exactly on either).
constexpr float kOnLine = 0.01f;

// The first line at or after `position`.
const SnapLine* FirstFrom(std::span<const SnapLine> lines, float position) {
  return std::lower_bound(lines.data(), lines.data() + lines.size(), position,
                          [](const SnapLine& line, float at) { return line.position < at; });
}

// The shift that brings `at` onto the nearest line within `threshold`, if any.
std::optional<float> NearestShift(std::span<const SnapLine> lines, float at, float threshold) {
  std::optional<float> best;
  const SnapLine* end = lines.data() + lines.size();
  for (const SnapLine* line = FirstFrom(lines, at - threshold);
       line != end && line->position <= at + threshold; ++line) {
    const float shift = line->position - at;
    if (!best || std::abs(shift) < std::abs(*best)) best = shift;
  }
  return best;
}

// The smallest shift that brings one of `at` onto a line.
std::optional<float> NearestShift(std::span<const SnapLine> lines, std::span<const float> at,
                                  float threshold) {
  std::optional<float> best;
  for (const float position : at) {
    const std::optional<float> shift = NearestShift(lines, position, threshold);
    if (shift && (!best || std::abs(*shift) < std::abs(*best))) best = shift;
  }
  return best;
}

// A guide for each of `at` that lies on a snap line, spanning the box (from, to) and those lines.
void AddGuides(SnapResult& result, std::span<const SnapLine> lines, bool vertical,
               std::span<const float> at, float from, float to) {
  const SnapLine* end = lines.data() + lines.size();
  for (const float position : at) {
    SnapGuide guide{vertical, position, from, to};
    bool found = false;
    for (const SnapLine* line = FirstFrom(lines, position - kOnLine);
         line != end && line->position <= position + kOnLine; ++line) {
      if (!found) {
        guide.position = line->position;
        guide.kind = line->kind;
        guide.object = line->object;
        found = true;
      }
      guide.from = std::min(guide.from, line->from);
      guide.to = std::max(guide.to, line->to);
    }
    // A box with no width has its three lines in one place: one guide is enough.
    const bool repeated =
        result.guideCount > 0 &&
        result.guides[static_cast<size_t>(result.guideCount - 1)].vertical == vertical &&
        result.guides[static_cast<size_t>(result.guideCount - 1)].position == guide.position;
    if (found && !repeated && result.guideCount < static_cast<int>(result.guides.size()))
      result.guides[static_cast<size_t>(result.guideCount++)] = guide;
  }
}

// The size that puts the moving edge (of `start`, on the side `side`) at `edge`.
float SizeTo(float start, float startSize, int side, float edge) {
  return side > 0 ? edge - start : start + startSize - edge;
}

}  // namespace

SnapResult SnapMove(const SnapCandidates& lines, const CardRect& moving, float threshold,
                    Snapping snapping) {
  SnapResult result{moving};
  if (snapping == Snapping::kOff) return result;
  const std::array<float, 3> xs = {moving.left, moving.CentreX(), moving.Right()};
  const std::array<float, 3> ys = {moving.top, moving.CentreY(), moving.Bottom()};
  const float dx = NearestShift(lines.Vertical(), xs, threshold).value_or(0.0f);
  const float dy = NearestShift(lines.Horizontal(), ys, threshold).value_or(0.0f);
  result.rect = moving.Moved(dx, dy);
  const CardRect& r = result.rect;
  AddGuides(result, lines.Vertical(), true, std::array{r.left, r.CentreX(), r.Right()}, r.top,
            r.Bottom());
  AddGuides(result, lines.Horizontal(), false, std::array{r.top, r.CentreY(), r.Bottom()}, r.left,
            r.Right());
  return result;
}

SnapResult SnapResize(const SnapCandidates& lines, const CardRect& start, ResizeHandle handle,
                      float dx, float dy, Aspect aspect, float threshold, Snapping snapping,
                      float minSide) {
  const CardRect resized = ResizedByHandle(start, handle, dx, dy, aspect, minSide);
  SnapResult result{resized};
  if (snapping == Snapping::kOff) return result;
  const HandleSides sides = SidesOf(handle);
  const auto movingX = [&](const CardRect& r) { return sides.x > 0 ? r.Right() : r.left; };
  const auto movingY = [&](const CardRect& r) { return sides.y > 0 ? r.Bottom() : r.top; };
  std::optional<float> shiftX, shiftY;
  if (sides.x != 0) shiftX = NearestShift(lines.Vertical(), movingX(resized), threshold);
  if (sides.y != 0) shiftY = NearestShift(lines.Horizontal(), movingY(resized), threshold);
  const float width =
      shiftX ? SizeTo(start.left, start.width, sides.x, movingX(resized) + *shiftX) : resized.width;
  const float height = shiftY ? SizeTo(start.top, start.height, sides.y, movingY(resized) + *shiftY)
                              : resized.height;
  if (aspect == Aspect::kKept && start.width >= minSide && start.height >= minSide) {
    const bool byX = shiftX && (!shiftY || std::abs(*shiftX) <= std::abs(*shiftY));
    if (byX)
      result.rect = ScaledByHandle(start, handle, width / start.width, minSide);
    else if (shiftY)
      result.rect = ScaledByHandle(start, handle, height / start.height, minSide);
  } else if (shiftX || shiftY) {
    result.rect = ResizedTo(start, handle, width, height, minSide);
  }
  const CardRect& r = result.rect;
  if (sides.x != 0)
    AddGuides(result, lines.Vertical(), true, std::array{movingX(r)}, r.top, r.Bottom());
  if (sides.y != 0)
    AddGuides(result, lines.Horizontal(), false, std::array{movingY(r)}, r.left, r.Right());
  return result;
}

}  // namespace tavolo
