// One card of a merge: the project's card (styles, background, pictures, card size) with a
// record's details as its contact details, distributed into the boxes of its layout as the
// template library's Continue does, and filled into the fields the free text boxes name (see
// FieldTokens.h). A field the record leaves empty stays empty on the card.
#pragma once

#include "core/card/CardState.h"
#include "core/card/ContactDetails.h"

namespace tavolo {

CardState MergedCard(const CardState& project, const ContactDetails& details);

// The details as a merged card keeps them: each value cut to what a line of the card holds.
ContactDetails KeptDetails(ContactDetails details);

}  // namespace tavolo
