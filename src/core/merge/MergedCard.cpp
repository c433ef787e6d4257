#include "core/merge/MergedCard.h"

#include "core/card/LayoutTable.h"
#include "core/merge/FieldTokens.h"

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
  for (PlacedObject& object : card.objects) {
    auto* text = std::get_if<TextSource>(&object.source);
    if (text == nullptr) continue;
    QStringList lines;
    for (int i = 0; i < text->lines.count && i < kMaxLinesPerBox; ++i) {
      lines << FillFieldTokens(text->lines.line[i], kept);
    }
    text->lines = KeptLines(lines);
  }
  return card;
}

}  // namespace tavolo
