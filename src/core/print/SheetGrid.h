// How many cards fit a sheet and where each one goes. The count works in millimetres on the
// paper's whole-millimetre size; the margins do not enter it, so a large margin can push the
// last column or row past the paper's edge (the printer then cuts it off).
#pragma once

#include <string>
#include <vector>

#include <QRectF>

#include "core/print/PageLayout.h"
#include "core/print/PaperCatalogue.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// Why a grid places no card.
enum class GridFault {
  kPitchBelowCard,  // a pitch is smaller than the card: cards would overlap
  kNotEnoughSpace,  // not one card fits across or down
  kTooManyCards,    // cards so small that more than kMaxCardsAcross fit across or down
  kOffThePaper,     // a margin is negative or not less than the paper: the first card is off it
};

// Past this many columns or rows the cards are too small to cut; the grid refuses them rather
// than lay out millions of cards.
inline constexpr int kMaxCardsAcross = 100;

struct GridSize {
  int columns = 0;
  int rows = 0;
  int CardCount() const { return columns * rows; }
};

struct GridRefusal {
  // What the page preview shows instead of the grid: "Card height and width should not be more
  // than pitch values", "Not enough space", the too-many-cards or the off-the-paper message.
  std::string message;
  GridFault kind = GridFault::kNotEnoughSpace;
  GridSize counted;  // the columns and rows as far as they were counted
};

using SheetGrid = Outcome<GridSize, GridRefusal>;

// The message of each refusal.
std::string GridMessage(GridFault fault);
// The columns and rows counted, whether the grid was refused or not.
const GridSize& CountedOf(const SheetGrid& grid);
// The cards a sheet holds: 0 when the grid was refused.
int CardCount(const SheetGrid& grid);

// Columns := trunc(paper width / card width), and when that is above 1, trunc(paper width /
// horizontal pitch); rows likewise. A layout with a length that is not a finite number, a card
// without width or height, or a resolution of 0 fits nothing. The first card must start on the
// paper; the count then keeps every card within three times the paper's size, so no coordinate
// of a sheet grows past what a printer or a PDF can hold.
SheetGrid ComputeGrid(const PageLayout& layout, PaperMm paper, int dpi);

struct SheetPlacement {
  SheetGrid grid;
  // Every card's rectangle in device units from the paper's top-left corner, row by row and
  // left to right in each row; empty unless the grid is Ok.
  std::vector<QRectF> cards;
};

// Card (column c, row j) has its top-left corner at (left margin + c × horizontal pitch, top
// margin + j × vertical pitch) and the size card width × card height, print pixels at `dpi`
// turned into device units at `deviceDpi`.
SheetPlacement PlaceCards(const PageLayout& layout, PaperMm paper, int dpi, double deviceDpi);

}  // namespace tavolo
