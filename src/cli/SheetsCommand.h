// tavolo-cli sheets: the sheet products the program offers, found by maker, part number or card
// size, with the places of their cards.
#pragma once

#include <string>
#include <vector>

namespace tavolo::cli {

int RunSheets(const std::vector<std::string>& args);

}  // namespace tavolo::cli
