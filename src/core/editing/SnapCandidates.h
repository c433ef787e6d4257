// The lines a moving or resized object snaps to: the card's edges and centre lines, its safe
// margin and the edges and centre lines of the other objects. Gathered once when a drag starts, so
// that each step of the drag only looks them up.
#pragma once

#include <span>
#include <vector>

#include "core/editing/CardRect.h"

namespace tavolo {

// What a snap line belongs to, in the order that wins when two lie at the same place.
enum class SnapKind { kCardEdge, kCardCentre, kSafeMargin, kObjectEdge, kObjectCentre };

// A line across one axis: at `position` on it, reaching from `from` to `to` along the other.
struct SnapLine {
  float position = 0.0f;
  float from = 0.0f;
  float to = 0.0f;
  SnapKind kind = SnapKind::kCardEdge;
  int object = -1;  // the index among the other objects, -1 for the card's own lines
};

// The safe margin every card offers, and its width in card pixels at the card's resolution.
inline constexpr float kSafeMarginMm = 3.0f;
float SafeMarginPixels(int dpi, float mm = kSafeMarginMm);
// The area inside the safe margin, drawn dashed on the card; the whole card when the margin would
// leave nothing of it.
CardRect SafeArea(float cardWidth, float cardHeight, int dpi, float mm = kSafeMarginMm);

class SnapCandidates {
 public:
  // The lines of a card of this size and resolution and of `others` (the objects not being
  // moved, by their bounding boxes). Keeps its buffers when built again.
  void Build(float cardWidth, float cardHeight, int dpi, std::span<const CardRect> others,
             float marginMm = kSafeMarginMm);

  // Vertical lines (positions on x) and horizontal lines (on y), each sorted by position.
  std::span<const SnapLine> Vertical() const { return vertical_; }
  std::span<const SnapLine> Horizontal() const { return horizontal_; }

 private:
  std::vector<SnapLine> vertical_;
  std::vector<SnapLine> horizontal_;
};

}  // namespace tavolo
