// The card's contact details: the eleven values typed in the template library (Company Name,
// Name, Title, … Phone Number 2), kept with the card so that every layout can be filled from
// them.
#pragma once

#include "core/card/FieldNames.h"

namespace tavolo {

struct ContactDetails {
  NamedValues fields{};
  friend bool operator==(const ContactDetails&, const ContactDetails&) = default;
};

}  // namespace tavolo
