// A sheet product as data/sheets describes it: one "key: value" per line, lengths in the
// product's own unit, and the number of cards the product has, against which the layout is
// checked before it ships.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/print/PageLayout.h"

namespace tavolo::ptmgen {

struct SheetDefinition {
  std::string name;   // the layout's name in the print dialog's list
  std::string paper;  // a paper name or key ("Letter", "A4")
  std::string unit;   // "in", "cm" or "mm"
  double cardWidth = 0, cardHeight = 0;
  double leftMargin = 0, topMargin = 0;
  double horizontalPitch = 0, verticalPitch = 0;
  int columns = 0, rows = 0;  // the cards the product has
};

// Reads "name", "paper", "unit", "card: W x H", "margins: LEFT TOP", "pitch: ACROSS DOWN" and
// "cards: COLUMNS x ROWS"; "#" starts a comment. Empty on failure, with "line N: why" in `error`.
std::optional<SheetDefinition> ParseSheetDefinition(std::string_view text, std::string& error);

// The layout at 300 print pixels per inch, after checking that the grid the program computes is
// the product's and that the last card ends on the paper. Each length is the nearest float that
// the print dialog shows as the product's figure. Empty on failure, with the reason in `error`;
// `summary` says what was checked.
std::optional<PageLayout> BuildLayout(const SheetDefinition& sheet, std::string& error,
                                      std::string& summary);

}  // namespace tavolo::ptmgen
