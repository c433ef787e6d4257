#include "core/editing/ResizeHandles.h"

#include <algorithm>
#include <cmath>

namespace tavolo {

namespace {

// The smallest a side may be made: the minimum, or the side itself when it is already smaller.
float SmallestSide(float side, float minSide) {
  return std::min(side, minSide);
}

// The position of a side of `size` on one axis: the edge opposite the moving one stays, and an
// axis the handle does not move keeps its centre line (exactly its start when the size is the
// same).
float Placed(float start, float startSize, float size, int side) {
  if (side > 0) return start;
  if (side < 0) return start + startSize - size;
  return size == startSize ? start : start + (startSize - size) / 2.0f;
}

CardRect Anchored(const CardRect& start, HandleSides sides, float width, float height) {
  return {Placed(start.left, start.width, width, sides.x),
          Placed(start.top, start.height, height, sides.y), width, height};
}

}  // namespace

HandleSides SidesOf(ResizeHandle handle) {
  switch (handle) {
    case ResizeHandle::kTopLeft:
      return {-1, -1};
    case ResizeHandle::kTop:
      return {0, -1};
    case ResizeHandle::kTopRight:
      return {1, -1};
    case ResizeHandle::kRight:
      return {1, 0};
    case ResizeHandle::kBottomRight:
      return {1, 1};
    case ResizeHandle::kBottom:
      return {0, 1};
    case ResizeHandle::kBottomLeft:
      return {-1, 1};
    case ResizeHandle::kLeft:
      return {-1, 0};
  }
  return {};
}

CardPoint HandlePoint(const CardRect& rect, ResizeHandle handle) {
  const HandleSides sides = SidesOf(handle);
  const auto along = [](float start, float size, int side) {
    return side < 0 ? start : side > 0 ? start + size : start + size / 2.0f;
  };
  return {along(rect.left, rect.width, sides.x), along(rect.top, rect.height, sides.y)};
}

std::optional<ResizeHandle> HandleAt(const CardRect& rect, CardPoint point, float reach) {
  std::optional<ResizeHandle> nearest;
  float nearestDistance = 0.0f;
  // Corners before edges, so that a corner wins a tie on a small box.
  for (const int pass : {0, 1}) {
    for (const ResizeHandle handle : kResizeHandles) {
      const HandleSides sides = SidesOf(handle);
      if ((sides.x != 0 && sides.y != 0) != (pass == 0)) continue;
      const CardPoint at = HandlePoint(rect, handle);
      const float distance = std::max(std::abs(point.x - at.x), std::abs(point.y - at.y));
      if (distance <= reach && (!nearest || distance < nearestDistance)) {
        nearest = handle;
        nearestDistance = distance;
      }
    }
  }
  return nearest;
}

CardRect ResizedTo(const CardRect& start, ResizeHandle handle, float width, float height,
                   float minSide) {
  const HandleSides sides = SidesOf(handle);
  if (sides.x != 0) width = std::max(width, SmallestSide(start.width, minSide));
  if (sides.y != 0) height = std::max(height, SmallestSide(start.height, minSide));
  return Anchored(start, sides, width, height);
}

CardRect ScaledByHandle(const CardRect& start, ResizeHandle handle, float scale, float minSide) {
  if (start.width <= 0.0f || start.height <= 0.0f) return start;
  const float smallest = std::max(SmallestSide(start.width, minSide) / start.width,
                                  SmallestSide(start.height, minSide) / start.height);
  scale = std::max(scale, smallest);
  return Anchored(start, SidesOf(handle), start.width * scale, start.height * scale);
}

CardRect ResizedByHandle(const CardRect& start, ResizeHandle handle, float dx, float dy,
                         Aspect aspect, float minSide) {
  const HandleSides sides = SidesOf(handle);
  const float width = start.width + static_cast<float>(sides.x) * dx;
  const float height = start.height + static_cast<float>(sides.y) * dy;
  // A hairline's aspect means nothing, and a move across it would be a thousandfold scale.
  if (aspect == Aspect::kFree || start.width < minSide || start.height < minSide)
    return ResizedTo(start, handle, width, height, minSide);
  const float scaleX = width / start.width, scaleY = height / start.height;
  float scale = sides.x == 0 ? scaleY : scaleX;
  if (sides.x != 0 && sides.y != 0 && std::abs(scaleY - 1.0f) > std::abs(scaleX - 1.0f))
    scale = scaleY;
  return ScaledByHandle(start, handle, scale, minSide);
}

}  // namespace tavolo
