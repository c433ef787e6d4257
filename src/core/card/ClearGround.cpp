#include "core/card/ClearGround.h"

namespace tavolo {

void SetClearGround(CardState& card,
                    const std::array<std::optional<PixelRect>, kTextBoxCount>& areas) {
  card.clearGround =
      ClearGround{areas, card.layoutIndex, card.backgroundIndex, card.cardWidth, card.cardHeight};
}

bool ClearGroundHolds(const CardState& card) {
  const std::optional<ClearGround>& ground = card.clearGround;
  return ground && ground->layoutIndex == card.layoutIndex &&
         ground->backgroundIndex == card.backgroundIndex && ground->cardWidth == card.cardWidth &&
         ground->cardHeight == card.cardHeight;
}

std::optional<PixelRect> ClearAreaOf(const CardState& card, int box) {
  if (box < 0 || box >= kTextBoxCount || !ClearGroundHolds(card)) return std::nullopt;
  return card.clearGround->boxes[static_cast<size_t>(box)];
}

}  // namespace tavolo
