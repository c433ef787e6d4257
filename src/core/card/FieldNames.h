// The eleven fields of the card's text, in index order: the name the template library shows
// above the field's editor, whether the user is asked to fill it, and the value that stands in
// for it on a blank card.
#pragma once

#include <array>

#include "core/card/LayoutTable.h"

namespace tavolo {

struct FieldName {
  const char* label;
  bool required;
  const char* placeholder;
};

inline constexpr std::array<FieldName, kNamedValueCount> kFieldNames = {{
    {"Company Name", true, "Company Name"},
    {"Name", true, "Name"},
    {"Title", false, "Title"},
    {"Address Line 1", true, "Address Line 1"},
    {"Address Line 2", false, "Address Line 2"},
    {"City, State/Province", true, "City, State/Province"},
    {"Zip/Postal Code", true, "Zip/Postal Code"},
    {"Email Address", true, "Email Address"},
    {"Website Address", false, "Website Address"},
    {"Phone Number 1", true, "Phone: Number 1"},
    {"Phone Number 2", false, "Phone: Number 2"},
}};

// The library's labels, each required one starred: "Company Name*", "Name*", "Title", …
const NamedValues& FieldLabels();

inline bool FieldRequired(int field) {
  return kFieldNames[static_cast<size_t>(field)].required;
}

}  // namespace tavolo
