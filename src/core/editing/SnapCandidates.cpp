#include "core/editing/SnapCandidates.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace tavolo {

namespace {

constexpr float kMmPerInch = 25.4f;

// Three lines across one axis of a box: its two edges and its centre line.
void AddBox(std::vector<SnapLine>& lines, float start, float size, float from, float to,
            SnapKind edge, SnapKind centre, int object) {
  lines.push_back({start, from, to, edge, object});
  lines.push_back({start + size / 2.0f, from, to, centre, object});
  lines.push_back({start + size, from, to, edge, object});
}

void Sort(std::vector<SnapLine>& lines) {
  std::sort(lines.begin(), lines.end(), [](const SnapLine& a, const SnapLine& b) {
    return std::tuple(a.position, a.kind, a.object) < std::tuple(b.position, b.kind, b.object);
  });
}

}  // namespace

float SafeMarginPixels(int dpi, float mm) {
  return mm / kMmPerInch * static_cast<float>(dpi);
}

CardRect SafeArea(float cardWidth, float cardHeight, int dpi, float mm) {
  const float margin = SafeMarginPixels(dpi, mm);
  if (margin <= 0.0f || 2.0f * margin >= cardWidth || 2.0f * margin >= cardHeight)
    return {0.0f, 0.0f, cardWidth, cardHeight};
  return {margin, margin, cardWidth - 2.0f * margin, cardHeight - 2.0f * margin};
}

void SnapCandidates::Build(float cardWidth, float cardHeight, int dpi,
                           std::span<const CardRect> others, float marginMm) {
  vertical_.clear();
  horizontal_.clear();
  vertical_.reserve(3 * others.size() + 5);
  horizontal_.reserve(3 * others.size() + 5);
  AddBox(vertical_, 0.0f, cardWidth, 0.0f, cardHeight, SnapKind::kCardEdge, SnapKind::kCardCentre,
         -1);
  AddBox(horizontal_, 0.0f, cardHeight, 0.0f, cardWidth, SnapKind::kCardEdge, SnapKind::kCardCentre,
         -1);
  const CardRect safe = SafeArea(cardWidth, cardHeight, dpi, marginMm);
  if (safe.width < cardWidth) {
    for (const float x : {safe.left, safe.Right()})
      vertical_.push_back({x, 0.0f, cardHeight, SnapKind::kSafeMargin, -1});
    for (const float y : {safe.top, safe.Bottom()})
      horizontal_.push_back({y, 0.0f, cardWidth, SnapKind::kSafeMargin, -1});
  }
  for (int i = 0; i < static_cast<int>(others.size()); ++i) {
    const CardRect& box = others[static_cast<size_t>(i)];
    // A box from a damaged file could hold no number at all, and could not be sorted.
    if (!std::isfinite(box.left) || !std::isfinite(box.top) || !std::isfinite(box.width) ||
        !std::isfinite(box.height))
      continue;
    AddBox(vertical_, box.left, box.width, box.top, box.Bottom(), SnapKind::kObjectEdge,
           SnapKind::kObjectCentre, i);
    AddBox(horizontal_, box.top, box.height, box.left, box.Right(), SnapKind::kObjectEdge,
           SnapKind::kObjectCentre, i);
  }
  Sort(vertical_);
  Sort(horizontal_);
}

}  // namespace tavolo
