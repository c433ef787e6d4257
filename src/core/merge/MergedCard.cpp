#include "core/merge/MergedCard.h"

#include "core/card/ContactChunk.h"

namespace tavolo {

ContactDetails KeptDetails(ContactDetails details) {
  for (QString& value : details.fields) value.truncate(kMaxLineLength);
  return details;
}

CardState MergedCard(const CardState& project, const ContactDetails& details) {
  CardState card = project;
  const ContactDetails kept = KeptDetails(details);
  card.boxCount = FieldDistribution(card.layoutIndex, kept.fields, card.lines);
  card.extensions.Set<ContactChunk>(kept);
  return card;
}

}  // namespace tavolo
