#include "core/card/FreePlacement.h"

#include <algorithm>
#include <cmath>

#include "core/card/LayoutTable.h"

namespace tavolo {

bool ShowsCustomLayout(const CardState& card) {
  return card.custom && card.custom->current && card.custom->layoutIndex == card.layoutIndex;
}

bool CanPlaceFreely(const CardState& card, int box) {
  if (box < 0 || box >= kTextBoxCount || box >= card.boxCount) return false;
  const std::span<const PlacementRow> rows = PlacementRows(card.layoutIndex);
  const auto row = std::ranges::find(rows, box, &PlacementRow::box);
  return row != rows.end() && row->angle == 0;
}

std::optional<FreeBox> FreeBoxOf(const CardState& card, int box) {
  if (!ShowsCustomLayout(card) || !CanPlaceFreely(card, box)) return std::nullopt;
  return card.custom->boxes[static_cast<size_t>(box)];
}

void MakeLayoutCustom(CardState& card) {
  if (ShowsCustomLayout(card)) return;
  card.custom = CustomLayout{true, card.layoutIndex, {}};
}

bool PlaceBoxFreely(CardState& card, int box, const FreeBox& where) {
  const bool finite = std::isfinite(where.left) && std::isfinite(where.top) &&
                      std::isfinite(where.width) && std::isfinite(where.height);
  if (!CanPlaceFreely(card, box) || !finite) return false;
  MakeLayoutCustom(card);
  card.custom->boxes[static_cast<size_t>(box)] =
      FreeBox{where.left, where.top, std::max(where.width, 0.0f), std::max(where.height, 0.0f)};
  return true;
}

void KeepCustomLayout(CardState& card) {
  if (card.custom) card.custom->current = false;
}

}  // namespace tavolo
