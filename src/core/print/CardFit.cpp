#include "core/print/CardFit.h"

#include <cmath>

#include <QString>

#include "core/base/Translation.h"
#include "core/print/LengthDisplay.h"

namespace tavolo {

namespace {

QString Millimetres(float width, float height, int dpi) {
  return QStringLiteral("%1 × %2 mm")
      .arg(PrintPixelsToMm(width, dpi), 0, 'f', 1)
      .arg(PrintPixelsToMm(height, dpi), 0, 'f', 1);
}

}  // namespace

bool CardDiffersFromLayout(const CardState& card, const PageLayout& layout) {
  const auto differs = [dpi = card.dpi](float a, float b) {
    const double apart = std::abs(PrintPixelsToMm(a, dpi) - PrintPixelsToMm(b, dpi));
    return !(apart <= kCardFitToleranceMm);  // a length that is no number differs
  };
  return differs(card.cardWidth, layout.cardWidth) || differs(card.cardHeight, layout.cardHeight);
}

std::string CardAndLayoutSizes(const CardState& card, const PageLayout& layout) {
  return TrMessage("the card is %1, the sheet's cards %2",
                   Millimetres(card.cardWidth, card.cardHeight, card.dpi),
                   Millimetres(layout.cardWidth, layout.cardHeight, card.dpi));
}

CardState FittedToLayout(CardState card, const PageLayout& layout) {
  card.cardWidth = layout.cardWidth;
  card.cardHeight = layout.cardHeight;
  return card;
}

}  // namespace tavolo
