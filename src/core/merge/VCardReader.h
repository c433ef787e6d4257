// Contacts in vCard files (versions 2.1, 3.0 and 4.0, as phones and address books export them):
// many cards in one file, folded lines, quoted-printable values in a named character set and
// backslash escapes. Each contact becomes a row under the eleven field names, so a vCard file
// merges through the same mapping as a CSV file.
#pragma once

#include <string>

#include <QString>

#include "core/merge/MergeTable.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// Whether `text` is a vCard file: its first non-blank line begins a card.
bool LooksLikeVCard(const QString& text);

// The contacts of `text` (already decoded): columns are the eleven field labels, each row's line
// is its BEGIN line. FN (else N) gives the name, ORG the company, TITLE the title, the work ADR
// (else the first) the address, the first EMAIL and URL, and the phones by their TYPE (work
// first, then cell, then home). A card never ended or a value over kMaxMergeValueLength
// characters is a failure naming the line.
Outcome<MergeTable> ReadVCards(const QString& text, const std::string& name);

}  // namespace tavolo
