// The fields a free text box's line names in braces, "{Name} · {Title}", filled with a record's
// values when cards are merged. A field is named by its English label ("Company Name", "Name",
// "Title", "Address Line 1", …, "Phone Number 2"), in any case; anything else in braces stays as
// it is written.
#pragma once

#include <QString>

#include "core/card/ContactDetails.h"

namespace tavolo {

QString FillFieldTokens(const QString& line, const ContactDetails& details);

}  // namespace tavolo
