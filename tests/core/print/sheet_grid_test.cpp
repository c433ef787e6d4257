// The grid count, the paper change's centring and every card's rectangle on a sheet.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/print/PaperChange.h"
#include "core/print/SheetGrid.h"

namespace tavolo {
namespace {

constexpr PaperMm kLetter{215, 279};
constexpr PaperMm kA4{210, 297};
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

PageLayout Layout(float cardWidth, float horizontalPitch, float cardHeight = 615.0f,
                  float verticalPitch = 615.0f) {
  PageLayout layout;
  layout.cardWidth = cardWidth;
  layout.horizontalPitch = horizontalPitch;
  layout.cardHeight = cardHeight;
  layout.verticalPitch = verticalPitch;
  return layout;
}

TEST(SheetGrid, CountsColumnsAndRowsOrSaysWhyNone) {
  const struct {
    const char* what;
    PageLayout layout;
    PaperMm paper;
    int dpi;
    GridStatus status;
    int columns;
    int rows;
  } cases[] = {
      {"default on Letter", PageLayout{}, kLetter, 300, GridStatus::kOk, 2, 5},
      {"at 600 dpi the card is half as large", PageLayout{}, kA4, 600, GridStatus::kOk, 4, 11},
      {"pitch a pixel under the width", Layout(1062, 1061), kLetter, 300,
       GridStatus::kPitchBelowCard, 0, 0},
      {"card wider than the paper", Layout(2600, 2600), kLetter, 300, GridStatus::kNotEnoughSpace,
       0, 5},
      {"pitch twice the width on Letter", Layout(1062, 2124), kLetter, 300, GridStatus::kOk, 1, 5},
      {"cards too small to cut", Layout(10, 10, 10, 10), kA4, 300, GridStatus::kTooManyCards, 248,
       350},
      {"a hundred across is allowed", Layout(25, 25, 35, 35), kA4, 300, GridStatus::kOk, 99, 100},
      {"card width not a number", Layout(kNaN, 1062), kA4, 300, GridStatus::kNotEnoughSpace, 0, 0},
      {"no resolution", PageLayout{}, kA4, 0, GridStatus::kNotEnoughSpace, 0, 0},
  };
  for (const auto& c : cases) {
    const SheetGrid grid = ComputeGrid(c.layout, c.paper, c.dpi);
    EXPECT_EQ(grid.status, c.status) << c.what;
    EXPECT_EQ(grid.columns, c.columns) << c.what;
    EXPECT_EQ(grid.rows, c.rows) << c.what;
    EXPECT_EQ(grid.CardCount(), c.status == GridStatus::kOk ? c.columns * c.rows : 0) << c.what;
  }
  PageLayout farMargin;
  farMargin.leftMargin = std::numeric_limits<float>::infinity();
  EXPECT_EQ(ComputeGrid(farMargin, kA4, 300).status, GridStatus::kNotEnoughSpace);
}

// Huge but finite margins would place cards where no printer or PDF can put them: the first card
// must start on the paper.
TEST(SheetGrid, AFirstCardThatDoesNotStartOnThePaperIsRefused) {
  const auto margins = [](float left, float top) {
    PageLayout layout;
    layout.leftMargin = left;
    layout.topMargin = top;
    return layout;
  };
  const struct {
    float left;
    float top;
    GridStatus status;
  } cases[] = {
      {1e20f, 150, GridStatus::kOffThePaper},
      {-1, 150, GridStatus::kOffThePaper},
      {2481, 150, GridStatus::kOffThePaper},
      {2479, 150, GridStatus::kOk},  // 209.9 mm starts on A4; the count leaves margins out
      {0, 0, GridStatus::kOk},
  };
  for (const auto& c : cases) {
    const SheetPlacement placement = PlaceCards(margins(c.left, c.top), kA4, 300, 72);
    EXPECT_EQ(placement.grid.status, c.status) << c.left << ", " << c.top;
    EXPECT_EQ(placement.cards.empty(), c.status != GridStatus::kOk);
  }
}

TEST(PaperChange, CentresWholeColumnsAndRowsInInches) {
  const struct {
    const char* what;
    int32_t id;
    PaperMm paper;
    float left;  // shown, inches
    float top;
  } cases[] = {
      {"Letter", 1, kLetter, 0.69f, 0.36f},
      {"A4", 9, kA4, 0.59f, 0.72f},
      {"A5", 11, PaperMm{148, 210}, 1.14f, 0.03f},  // one column: (148 - 89.916) / 2 mm
  };
  for (const auto& c : cases) {
    PageLayout layout;
    layout.unit = 2;
    layout.horizontalPitch = 2000;
    layout.verticalPitch = 700;
    const ShownLengths shown = ApplyPaperChange(layout, c.id, c.paper, 300);
    EXPECT_EQ(At(shown, LayoutLength::kLeftMargin), c.left) << c.what;
    EXPECT_EQ(At(shown, LayoutLength::kTopMargin), c.top) << c.what;
    EXPECT_FLOAT_EQ(layout.leftMargin, c.left * 300) << c.what;
    EXPECT_FLOAT_EQ(layout.topMargin, c.top * 300) << c.what;
    EXPECT_EQ(layout.paper, c.id) << c.what;
    EXPECT_EQ(layout.unit, 0) << c.what;
    EXPECT_EQ(layout.horizontalPitch, 1062.0f) << c.what;  // the pitches become the card's
    EXPECT_EQ(layout.verticalPitch, 615.0f) << c.what;
    EXPECT_EQ(At(shown, LayoutLength::kCardWidth), 3.53f) << c.what;
  }
  PageLayout letter;
  ApplyPaperChange(letter, 1, kLetter, 300);
  EXPECT_EQ(letter.leftMargin, 207.0f);
  EXPECT_FLOAT_EQ(letter.topMargin, 108.0f);  // 0.36f × 300 lands a float above 108
}

TEST(PaperChange, ACardWithoutLengthLeavesNoMargin) {
  EXPECT_EQ(CentringMargin(215, 0.0), 0.0f);
  EXPECT_EQ(CentringMargin(215, -3.0), 0.0f);
  EXPECT_EQ(CentringMargin(215, std::nan("")), 0.0f);
  EXPECT_EQ(CentringMargin(215, 300.0), 4.23f);  // wider than the paper: half the paper
}

TEST(PlaceCards, RectanglesRowByRowFromThePapersCornerInDeviceUnits) {
  const SheetPlacement at300 = PlaceCards(PageLayout{}, kLetter, 300, 300);
  ASSERT_EQ(at300.cards.size(), 10u);
  EXPECT_EQ(at300.cards[0], QRectF(225, 150, 1062, 615));
  EXPECT_EQ(at300.cards[1], QRectF(1287, 150, 1062, 615));
  EXPECT_EQ(at300.cards[2], QRectF(225, 765, 1062, 615));
  EXPECT_EQ(at300.cards[9], QRectF(1287, 2610, 1062, 615));

  PageLayout gaps;
  gaps.horizontalPitch = 1200;
  gaps.verticalPitch = 700;
  gaps.leftMargin = 100;
  gaps.topMargin = 0;
  const SheetPlacement at1200 = PlaceCards(gaps, kA4, 300, 1200);
  ASSERT_EQ(at1200.cards.size(), 10u);
  EXPECT_EQ(at1200.cards[1], QRectF(4 * 1300, 0, 4 * 1062, 4 * 615));
  EXPECT_EQ(at1200.cards[7], QRectF(4 * 1300, 4 * 2100, 4 * 1062, 4 * 615));

  EXPECT_TRUE(PlaceCards(Layout(1062, 1061), kLetter, 300, 300).cards.empty());
}

}  // namespace
}  // namespace tavolo
