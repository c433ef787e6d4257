// The warnings of the commands that draw a card (render, print) when a picture of the card could
// not be loaded, its QR code could not be encoded or a placed object of a later version's kind
// cannot be drawn, and is left out of what they write.
#pragma once

#include <string_view>

#include "core/card/BackgroundTable.h"
#include "core/card/CardState.h"
#include "core/render/CardRenderer.h"

namespace tavolo::cli {

// Warns of the background, the photo and the logo that `renderer` could not load for `card`, of
// its QR code left out (after it drew the card) and of the fonts of its side that are not
// installed; returns how many there were.
int WarnOfLeftOutPictures(std::string_view command, const CardRenderer& renderer,
                          const BackgroundTable& table, const CardState& card);

}  // namespace tavolo::cli
