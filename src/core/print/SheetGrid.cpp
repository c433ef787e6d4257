#include "core/print/SheetGrid.h"

#include <algorithm>
#include <cmath>

#include "core/base/Translation.h"
#include "core/print/LengthDisplay.h"

namespace tavolo {

namespace {

// How many whole times `length` goes into `paper`, kept in int range.
int WholeTimes(double paper, double length) {
  return static_cast<int>(std::clamp(std::trunc(paper / length), 0.0, 1e9));
}

// Columns (or rows): the first card alone, and after it one more per pitch.
int CountAlong(double paper, double card, double gap) {
  const int count = WholeTimes(paper, card);
  return count > 1 ? WholeTimes(paper, gap + card) : count;
}

}  // namespace

std::string GridMessage(GridFault fault) {
  switch (fault) {
    case GridFault::kPitchBelowCard:
      return TrMessage("Card height and width should not be more than pitch values");
    case GridFault::kNotEnoughSpace:
      return TrMessage("Not enough space");
    case GridFault::kOffThePaper:
      return TrMessage("The first card does not start on the paper: make the margins smaller");
    case GridFault::kTooManyCards:
      break;
  }
  return TrMessage("Cards too small: at most 100 fit across and 100 down");
}

const GridSize& CountedOf(const SheetGrid& grid) {
  return grid ? grid.Value() : grid.Fault().counted;
}

int CardCount(const SheetGrid& grid) {
  return grid ? grid.Value().CardCount() : 0;
}

namespace {

GridRefusal Refused(GridFault fault, GridSize counted = {}) {
  return {GridMessage(fault), fault, counted};
}

}  // namespace

SheetGrid ComputeGrid(const PageLayout& layout, PaperMm paper, int dpi) {
  const auto mm = [dpi](float printPixels) { return PrintPixelsToMm(printPixels, dpi); };
  const double cardWidth = mm(layout.cardWidth);
  const double cardHeight = mm(layout.cardHeight);
  const double horizontalGap = mm(layout.horizontalPitch) - cardWidth;
  const double verticalGap = mm(layout.verticalPitch) - cardHeight;
  if (dpi <= 0 || !std::isfinite(mm(layout.leftMargin)) || !std::isfinite(mm(layout.topMargin)) ||
      !std::isfinite(horizontalGap) || !std::isfinite(verticalGap)) {
    return Refused(GridFault::kNotEnoughSpace);
  }
  const double leftMargin = mm(layout.leftMargin);
  const double topMargin = mm(layout.topMargin);
  if (leftMargin < 0 || topMargin < 0 || leftMargin >= paper.width || topMargin >= paper.height) {
    return Refused(GridFault::kOffThePaper);
  }
  if (horizontalGap < 0 || verticalGap < 0) {
    return Refused(GridFault::kPitchBelowCard);
  }
  if (cardWidth <= 0 || cardHeight <= 0) return Refused(GridFault::kNotEnoughSpace);
  const GridSize grid{CountAlong(paper.width, cardWidth, horizontalGap),
                      CountAlong(paper.height, cardHeight, verticalGap)};
  if (grid.columns == 0 || grid.rows == 0) return Refused(GridFault::kNotEnoughSpace, grid);
  if (grid.columns > kMaxCardsAcross || grid.rows > kMaxCardsAcross) {
    return Refused(GridFault::kTooManyCards, grid);
  }
  return grid;
}

SheetPlacement PlaceCards(const PageLayout& layout, PaperMm paper, int dpi, double deviceDpi) {
  SheetPlacement placement{ComputeGrid(layout, paper, dpi), {}};
  if (!placement.grid) return placement;
  const GridSize& grid = placement.grid.Value();
  const double scale = deviceDpi / dpi;
  const double width = layout.cardWidth * scale;
  const double height = layout.cardHeight * scale;
  placement.cards.reserve(static_cast<size_t>(grid.CardCount()));
  for (int j = 0; j < grid.rows; ++j) {
    const double top = (static_cast<double>(layout.topMargin) + j * layout.verticalPitch) * scale;
    for (int c = 0; c < grid.columns; ++c) {
      const double left =
          (static_cast<double>(layout.leftMargin) + c * layout.horizontalPitch) * scale;
      placement.cards.emplace_back(left, top, width, height);
    }
  }
  return placement;
}

}  // namespace tavolo
