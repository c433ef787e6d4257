// The design review of a template: the checks a designer would make by eye, done for every
// template with its own texts and with other people's texts of ordinary length. It finds boxes
// that leave the card or run into each other or into the photo, logo or an added object, text too
// faint against what lies under it, added text boxes too small for their lines, added objects
// that end between the safe margin and the card's edge, and fonts that are not installed.
#pragma once

#include <string>
#include <vector>

#include "core/card/CardState.h"
#include "core/card/LayoutTable.h"
#include "core/render/CardRenderer.h"

namespace tavolo::tmplgen {

// Ordinary texts at the long end: what a user may well type into the eleven fields.
const ContactDetails& LongSampleValues();
// The same with the longest name (60 characters), company (45) and e-mail (40) every template
// must take: shrunk to fit, every line still lies on clear ground.
const ContactDetails& LongestValues();

// What is wrong with the card as drawn with its own lines, one sentence each; empty when
// nothing is.
std::vector<std::string> ReviewCard(const CardState& card, CardRenderer& renderer);
// The lines of the card that do not fit where they stand, shrunk as the card shrinks them.
std::vector<std::string> ReviewFit(const CardState& card);

}  // namespace tavolo::tmplgen
