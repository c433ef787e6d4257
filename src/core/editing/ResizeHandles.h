// The eight handles around a selected object and the rectangle that dragging one of them gives:
// the one geometry both the painting of the handles and the hit-testing and dragging use.
#pragma once

#include <array>
#include <optional>

#include "core/editing/CardPoint.h"
#include "core/editing/CardRect.h"

namespace tavolo {

// Clockwise from the upper left corner.
enum class ResizeHandle : int {
  kTopLeft,
  kTop,
  kTopRight,
  kRight,
  kBottomRight,
  kBottom,
  kBottomLeft,
  kLeft
};
inline constexpr std::array<ResizeHandle, 8> kResizeHandles = {
    ResizeHandle::kTopLeft,    ResizeHandle::kTop,         ResizeHandle::kTopRight,
    ResizeHandle::kRight,      ResizeHandle::kBottomRight, ResizeHandle::kBottom,
    ResizeHandle::kBottomLeft, ResizeHandle::kLeft};

// Which edges a handle moves on each axis: -1 the left (top) edge, +1 the right (bottom) edge,
// 0 neither (an edge handle of the other axis).
struct HandleSides {
  int x = 0;
  int y = 0;
};
HandleSides SidesOf(ResizeHandle handle);

// Whether a resize keeps the start's aspect (pictures by default, other objects with Shift).
enum class Aspect { kFree, kKept };

// No drag makes a side smaller than this (nor a side already smaller than it smaller still).
inline constexpr float kMinObjectSide = 4.0f;

// Where a handle sits on `rect`: a corner or the middle of an edge.
CardPoint HandlePoint(const CardRect& rect, ResizeHandle handle);

// The handle within `reach` (on both axes) of `point`, the nearest when several are; on a box too
// small to tell them apart the corners come first. None when no handle is that close.
std::optional<ResizeHandle> HandleAt(const CardRect& rect, CardPoint point, float reach);

// `start` with `handle` dragged by (dx, dy). The opposite corner or edge stays; no side becomes
// smaller than the minimum and nothing flips through the opposite edge. With the aspect kept, a
// corner follows the larger of its two moves (each taken relative to the start's side) and an edge
// handle grows the other side about its centre line; a start with a side below the minimum (a
// rule line) is resized freely.
CardRect ResizedByHandle(const CardRect& start, ResizeHandle handle, float dx, float dy,
                         Aspect aspect, float minSide = kMinObjectSide);

// `start` resized by `handle` to (width, height), each at least the minimum: the opposite corner
// or edge stays and an axis the handle does not move keeps its centre line.
CardRect ResizedTo(const CardRect& start, ResizeHandle handle, float width, float height,
                   float minSide = kMinObjectSide);
// `start` scaled by `scale` (its aspect kept) about what `handle` leaves in place, no smaller than
// the minimum allows.
CardRect ScaledByHandle(const CardRect& start, ResizeHandle handle, float scale,
                        float minSide = kMinObjectSide);

}  // namespace tavolo
