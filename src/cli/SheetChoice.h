// The paper and page layout of the commands that print sheets of cards (print, merge): --layout
// names a predefined layout, a .ptm file or a sheet product by its part number ("Avery 5881"),
// --paper a paper by name, key or Windows number; without --layout the cards are centred on the
// paper as the print dialog does.
#pragma once

#include <optional>

#include "CliSupport.h"
#include "core/print/PageLayout.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetProduct.h"

namespace tavolo::cli {

struct SheetChoice {
  Paper paper;
  PageLayout layout;
  bool givenLayout = false;
  // The product --layout named by its part number, laid out again at the card's resolution.
  std::optional<SheetProduct> product;
};

// Reads --layout and --paper.
Step<SheetChoice> ChooseSheet(const Arguments& arguments);

// Without --layout, lays cards of the card's own size out on the chosen paper; for a product,
// lays its cards out at the card's resolution.
void LayOutWhenNotGiven(SheetChoice& choice, const CardState& card);

}  // namespace tavolo::cli
