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

std::string GridMessage(GridStatus status) {
  switch (status) {
    case GridStatus::kOk:
      return "";
    case GridStatus::kPitchBelowCard:
      return TrMessage("Card height and width should not be more than pitch values");
    case GridStatus::kNotEnoughSpace:
      return TrMessage("Not enough space");
    case GridStatus::kOffThePaper:
      return TrMessage("The first card does not start on the paper: make the margins smaller");
    case GridStatus::kTooManyCards:
      break;
  }
  return TrMessage("Cards too small: at most 100 fit across and 100 down");
}

SheetGrid ComputeGrid(const PageLayout& layout, PaperMm paper, int dpi) {
  const auto mm = [dpi](float printPixels) { return PrintPixelsToMm(printPixels, dpi); };
  const double cardWidth = mm(layout.cardWidth);
  const double cardHeight = mm(layout.cardHeight);
  const double horizontalGap = mm(layout.horizontalPitch) - cardWidth;
  const double verticalGap = mm(layout.verticalPitch) - cardHeight;
  SheetGrid grid;
  if (dpi <= 0 || !std::isfinite(mm(layout.leftMargin)) || !std::isfinite(mm(layout.topMargin)) ||
      !std::isfinite(horizontalGap) || !std::isfinite(verticalGap)) {
    return grid;
  }
  const double leftMargin = mm(layout.leftMargin);
  const double topMargin = mm(layout.topMargin);
  if (leftMargin < 0 || topMargin < 0 || leftMargin >= paper.width || topMargin >= paper.height) {
    grid.status = GridStatus::kOffThePaper;
    return grid;
  }
  if (horizontalGap < 0 || verticalGap < 0) {
    grid.status = GridStatus::kPitchBelowCard;
    return grid;
  }
  if (cardWidth <= 0 || cardHeight <= 0) return grid;
  grid.columns = CountAlong(paper.width, cardWidth, horizontalGap);
  grid.rows = CountAlong(paper.height, cardHeight, verticalGap);
  if (grid.columns == 0 || grid.rows == 0) return grid;
  grid.status = grid.columns > kMaxCardsAcross || grid.rows > kMaxCardsAcross
                    ? GridStatus::kTooManyCards
                    : GridStatus::kOk;
  return grid;
}

SheetPlacement PlaceCards(const PageLayout& layout, PaperMm paper, int dpi, double deviceDpi) {
  SheetPlacement placement{ComputeGrid(layout, paper, dpi), {}};
  if (!placement.grid.Ok()) return placement;
  const double scale = deviceDpi / dpi;
  const double width = layout.cardWidth * scale;
  const double height = layout.cardHeight * scale;
  placement.cards.reserve(static_cast<size_t>(placement.grid.CardCount()));
  for (int j = 0; j < placement.grid.rows; ++j) {
    const double top = (static_cast<double>(layout.topMargin) + j * layout.verticalPitch) * scale;
    for (int c = 0; c < placement.grid.columns; ++c) {
      const double left =
          (static_cast<double>(layout.leftMargin) + c * layout.horizontalPitch) * scale;
      placement.cards.emplace_back(left, top, width, height);
    }
  }
  return placement;
}

}  // namespace tavolo
