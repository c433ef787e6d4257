// What a card's QR code spells out: the card's contact details as a vCard 3.0, its website as a
// URL, or the code's own text.
#pragma once

#include <QString>

#include "core/card/CardState.h"
#include "core/card/ContactDetails.h"
#include "core/card/PlacedQrCode.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// BEGIN, VERSION, N, FN, ORG, TITLE, ADR, TEL (work, then cell), EMAIL, URL, END, each line ended
// by CR LF, values escaped (\\, \, \; \n). Only the fields that hold something are written; N
// and FN, which every vCard needs, are there always, FN falling back to the company.
QString VCardText(const ContactDetails& details);

// The website as a phone opens it: with "https://" in front when it names no scheme.
QString WebsiteUrl(const QString& website);

// The text the code of `card` holds; a failure when there is nothing to put in it.
Outcome<QString> QrContentText(const CardState& card, const PlacedQrCode& code);

}  // namespace tavolo
