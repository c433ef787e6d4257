// Snapping a dragged or resized object to the lines of the card and of the other objects, and the
// guide lines the card view draws while it does. A step of a drag allocates nothing: the lines are
// gathered before (SnapCandidates) and the guides come back in a fixed array.
#pragma once

#include <array>
#include <span>

#include "core/editing/CardRect.h"
#include "core/editing/ResizeHandles.h"
#include "core/editing/SnapCandidates.h"

namespace tavolo {

// Snapping is on unless the user holds Alt while dragging.
enum class Snapping { kOn, kOff };

// How near a line, in screen pixels, an edge or centre line snaps to it; the card view multiplies
// it by its divisor to have the threshold in card pixels.
inline constexpr float kSnapReachScreenPixels = 6.0f;

// A guide to draw: a vertical line at x = position (or horizontal at y = position) from `from` to
// `to` along the other axis, covering the snapped object and every line it meets there. Kind and
// object say which line that is (the first of them, when several lie at the same place).
struct SnapGuide {
  bool vertical = true;
  float position = 0.0f;
  float from = 0.0f;
  float to = 0.0f;
  SnapKind kind = SnapKind::kCardEdge;
  int object = -1;
};

struct SnapResult {
  CardRect rect;
  // At most the three lines of a box on each axis meet a snap line.
  std::array<SnapGuide, 6> guides{};
  int guideCount = 0;
  std::span<const SnapGuide> Guides() const {
    return {guides.data(), static_cast<size_t>(guideCount)};
  }
};

// `moving` shifted so that the nearest of its left, centre and right lines within `threshold` card
// pixels of a vertical snap line lies on it, and likewise top, centre and bottom on the horizontal
// lines; each axis snaps on its own. Snapping off gives `moving` as it is and no guides.
SnapResult SnapMove(const SnapCandidates& lines, const CardRect& moving, float threshold,
                    Snapping snapping);

// ResizedByHandle with the edges the handle moves snapped the same way. With the aspect kept, the
// edge nearer its snap line snaps and the other follows the aspect.
SnapResult SnapResize(const SnapCandidates& lines, const CardRect& start, ResizeHandle handle,
                      float dx, float dy, Aspect aspect, float threshold, Snapping snapping,
                      float minSide = kMinObjectSide);

}  // namespace tavolo
