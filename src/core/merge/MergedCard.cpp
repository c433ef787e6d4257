#include "core/merge/MergedCard.h"

#include "core/card/LayoutTable.h"

namespace tavolo {

CardState MergedCard(const CardState& project, const ContactDetails& details) {
  CardState card = project;
  ContactDetails kept = details;
  for (QString& value : kept) value.truncate(kMaxLineLength);
  card.boxCount = FieldDistribution(card.layoutIndex, kept, card.lines);
  card.contact = kept;
  return card;
}

}  // namespace tavolo
