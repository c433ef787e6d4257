// The card's contact details: the eleven values typed in the template library (Company Name,
// Name, Title, … Phone Number 2) in the order of kFieldNames, kept with the card so that every
// layout can be filled from them.
#pragma once

#include <array>

#include <QString>

#include "core/card/FieldNames.h"

namespace tavolo {

using ContactDetails = std::array<QString, kContactFieldCount>;

}  // namespace tavolo
