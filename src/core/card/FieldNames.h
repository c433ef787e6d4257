// The eleven fields of the card's text, in index order: the name the template library shows
// above the field's editor, whether the user is asked to fill it, and the value that stands in
// for it on a blank card.
#pragma once

#include <array>

#include <QString>
#include <QtGlobal>

namespace tavolo {

inline constexpr int kContactFieldCount = 11;

struct FieldName {
  const char* label;
  bool required;
  const char* placeholder;
};

inline constexpr std::array<FieldName, kContactFieldCount> kFieldNames = {{
    {QT_TRANSLATE_NOOP("Tavolo", "Company Name"), true, "Company Name"},
    {QT_TRANSLATE_NOOP("Tavolo", "Name"), true, "Name"},
    {QT_TRANSLATE_NOOP("Tavolo", "Title"), false, "Title"},
    {QT_TRANSLATE_NOOP("Tavolo", "Address Line 1"), true, "Address Line 1"},
    {QT_TRANSLATE_NOOP("Tavolo", "Address Line 2"), false, "Address Line 2"},
    {QT_TRANSLATE_NOOP("Tavolo", "City, State/Province"), true, "City, State/Province"},
    {QT_TRANSLATE_NOOP("Tavolo", "Zip/Postal Code"), true, "Zip/Postal Code"},
    {QT_TRANSLATE_NOOP("Tavolo", "Email Address"), true, "Email Address"},
    {QT_TRANSLATE_NOOP("Tavolo", "Website Address"), false, "Website Address"},
    {QT_TRANSLATE_NOOP("Tavolo", "Phone Number 1"), true, "Phone: Number 1"},
    {QT_TRANSLATE_NOOP("Tavolo", "Phone Number 2"), false, "Phone: Number 2"},
}};

// The fields' indices into the contact details, in the order above.
enum ContactField : int {
  kCompany = 0, kName, kTitle, kAddress1, kAddress2, kCity, kZip, kEmail, kWebsite, kPhone1, kPhone2,
};
static_assert(kPhone2 + 1 == kContactFieldCount);

// The library's labels, each required one starred: "Company Name*", "Name*", "Title", …
const std::array<QString, kContactFieldCount>& FieldLabels();

inline bool FieldRequired(int field) {
  return kFieldNames[static_cast<size_t>(field)].required;
}

}  // namespace tavolo
