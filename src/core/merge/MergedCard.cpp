#include "core/merge/MergedCard.h"

#include "core/card/LayoutTable.h"

namespace tavolo {

ContactDetails KeptDetails(ContactDetails details) {
  for (QString& value : details) value.truncate(kMaxLineLength);
  return details;
}

CardState MergedCard(const CardState& project, const ContactDetails& details) {
  CardState card = project;
  const ContactDetails kept = KeptDetails(details);
  card.boxCount = FieldDistribution(card.layoutIndex, kept, card.lines);
  card.contact = kept;
  return card;
}

}  // namespace tavolo
