// Contacts in vCard files (versions 2.1, 3.0 and 4.0, as phones, address books and mail programs
// export them), read from the file's bytes: many cards in one file; folded lines joined first
// (so a fold inside a UTF-8 character is harmless), then quoted-printable decoded (a soft line
// break removes only the break: the next line's leading blank is part of the value), then each
// property's characters read in its own character set. Each contact becomes a row under the
// eleven field names, so a vCard file merges through the same mapping as a CSV file.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/merge/MergeProgress.h"
#include "core/merge/MergeTable.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// Whether `bytes` are a vCard file: the first line that is not blank begins a card.
bool LooksLikeVCard(std::span<const uint8_t> bytes);

// The contacts of `bytes`: columns are the eleven field labels, each row's line is its BEGIN
// line. FN (else N: prefix, given, additional and family names) gives the name, ORG the company,
// TITLE the title; the work ADR (else the first) gives the address: street, then extended
// address, then locality and region, then postal code, the country last; the phones by their
// type (work or voice first, then cell, then home, fax last), the e-mail the work or preferred
// one, the first URL. Grouped properties ("item1.TEL") count as any other, and their group's
// label ("item1.X-ABLabel:Mobile") says their type. A vCard 4.0 "tel:" URI gives its number.
// A property's characters are in its CHARSET, else UTF-8 when they are valid UTF-8, else
// Windows-1252 for that property alone, with a warning in the table naming the contact.
// Pictures and other properties no field takes are passed over without being kept. A card never
// ended, a value over kMaxMergeValueLength characters or a NUL byte is a failure naming the line.
Outcome<MergeTable> ReadVCards(std::span<const uint8_t> bytes, const std::string& name,
                               const MergeProgress& progress = {});

}  // namespace tavolo
