// The Arrange menu's geometry: aligning and distributing selected objects, nudging them and moving
// them in the stacking order. Each takes the objects as they are and gives where they go; locked
// objects keep their places (not their places in the stacking order).
#pragma once

#include <span>
#include <vector>

#include "core/editing/CardRect.h"

namespace tavolo {

// A selected object by its bounding box.
struct ArrangedObject {
  CardRect box;
  bool locked = false;
};

enum class AlignEdge { kLeft, kCentre, kRight, kTop, kMiddle, kBottom };
// To the card, or to each other: to the bounding box of the whole selection, locked objects too.
enum class AlignTarget { kCard, kSelection };
enum class DistributeAxis { kHorizontal, kVertical };
enum class StackMove { kForward, kBackward, kToFront, kToBack };

// An arrow key moves by one card pixel, with Shift by ten.
inline constexpr float kNudgeStep = 1.0f;
inline constexpr float kLargeNudgeStep = 10.0f;

// The smallest box holding all of `objects` (what a drag of several of them moves and snaps).
CardRect SelectionBounds(std::span<const ArrangedObject> objects);

// The boxes with the chosen edge or centre line of each on that of the target.
std::vector<CardRect> Aligned(std::span<const ArrangedObject> objects, AlignEdge edge,
                              AlignTarget target, float cardWidth, float cardHeight);

// The boxes spaced with equal gaps along the axis, in the order of their centre lines: the first
// and the last stay, the others move between them. Locked objects neither move nor count; fewer
// than three that may move leave everything as it is.
std::vector<CardRect> Distributed(std::span<const ArrangedObject> objects, DistributeAxis axis);

// The boxes moved by (dx, dy).
std::vector<CardRect> Nudged(std::span<const ArrangedObject> objects, float dx, float dy);

// The z values of all the objects of a face after moving the selected ones (indices into `z`;
// others are no object) in the stacking order, bottom to top by z and, at equal z, by index.
// Forward and backward pass the next object that is not selected; the selected keep their order
// among themselves. The new values number the new order from 0; when the order does not change, the
// values stay as they are.
std::vector<int> Restacked(std::span<const int> z, std::span<const int> selected, StackMove move);

}  // namespace tavolo
