#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include <QImage>

#include "core/print/Bleed.h"
#include "core/print/CardFit.h"
#include "core/print/PrinterCalibration.h"
#include "core/print/SheetMarks.h"

namespace tavolo {
namespace {

// Two columns and two rows of 100 × 50 cells, 10 apart across and 6 down.
const std::vector<QRectF> kCells = {
    {0, 0, 100, 50}, {110, 0, 100, 50}, {0, 56, 100, 50}, {110, 56, 100, 50}};
const SheetGrid kTwoByTwo{GridStatus::kOk, 2, 2};

TEST(CardsOnSheet, ACardKeepsItsSizeCentredInItsCellAndIsCutToIt) {
  const std::tuple<const char*, QSizeF, QRectF, QRectF> cases[] = {
      {"the layout's size", QSizeF(), {0, 0, 100, 50}, {0, 0, 100, 50}},
      {"smaller", QSizeF(90, 40), {5, 5, 90, 40}, {5, 5, 90, 40}},
      {"larger is cut to the cell", QSizeF(120, 60), {-10, -5, 120, 60}, {0, 0, 100, 50}},
  };
  for (const auto& [what, card, whole, cut] : cases) {
    const std::vector<CardOnSheet> cards = CardsOnSheet(kCells, card, 2);
    ASSERT_EQ(cards.size(), kCells.size());
    EXPECT_EQ(cards[0].card, whole) << what;
    EXPECT_EQ(cards[0].cut, cut) << what;
    EXPECT_EQ(cards[0].printed, cut.adjusted(-2, -2, 2, 2)) << what;
    EXPECT_EQ(cards[3].cut, cut.translated(110, 56)) << what;
  }
}

TEST(CardsOnSheet, BleedsOverlapWhenTheGapIsLessThanTwoBleeds) {
  EXPECT_FALSE(BleedsOverlap(CardsOnSheet(kCells, {}, 3), kTwoByTwo));   // 6 down: just room
  EXPECT_TRUE(BleedsOverlap(CardsOnSheet(kCells, {}, 3.5), kTwoByTwo));  // down no more
  EXPECT_FALSE(BleedsOverlap(CardsOnSheet(kCells, QSizeF(90, 40), 8), kTwoByTwo));
  EXPECT_FALSE(BleedsOverlap(CardsOnSheet({kCells.data(), 1}, {}, 5), {GridStatus::kOk, 1, 1}));
}

TEST(CropMarks, ContinueEveryCutOutsideTheCardsAndNeverReachIntoOne) {
  const std::vector<CardOnSheet> one = CardsOnSheet({kCells.data(), 1}, {}, 1);
  const std::vector<QLineF> marks = CropMarks(one, 2, 5);
  ASSERT_EQ(marks.size(), 8u);
  EXPECT_EQ(marks[0], QLineF(-7, 0, -2, 0));      // top edge, to the left
  EXPECT_EQ(marks[1], QLineF(102, 0, 107, 0));    // top edge, to the right
  EXPECT_EQ(marks[4], QLineF(0, -7, 0, -2));      // left edge, above
  EXPECT_EQ(marks[7], QLineF(100, 52, 100, 57));  // right edge, below
  // Cards 10 apart across: marks between them would reach into the neighbour and are left out.
  const std::vector<CardOnSheet> grid = CardsOnSheet(kCells, {}, 1);
  const std::vector<QLineF> kept = CropMarks(grid, 2, 5);
  EXPECT_LT(kept.size(), 32u);
  for (const QLineF& mark : kept) {
    for (const CardOnSheet& card : grid) {
      EXPECT_FALSE(card.printed.intersects(
          QRectF(mark.p1(), mark.p2()).normalized().adjusted(-1e-9, -1e-9, 1e-9, 1e-9)))
          << mark.x1() << "," << mark.y1() << " " << mark.x2() << "," << mark.y2();
    }
  }
}

TEST(Bleed, RepeatsTheEdgePixelsOutwardByWholePixelsThatCoverIt) {
  EXPECT_EQ(BleedPixels(3, 300), 36);  // 35.43 rounded up
  EXPECT_EQ(BleedPixels(2.54, 300), 30);
  EXPECT_EQ(BleedPixels(0, 300), 0);
  EXPECT_EQ(BleedPixels(std::numeric_limits<double>::quiet_NaN(), 300), 0);
  EXPECT_EQ(BleedPixels(99, 300), 60);  // held to 5 mm
  QImage card(2, 2, QImage::Format_RGB32);
  const QRgb corners[] = {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xFFFFFFFF};
  for (int i = 0; i < 4; ++i) card.setPixel(i % 2, i / 2, corners[i]);
  const QImage grown = WithBleed(card, 2);
  ASSERT_EQ(grown.size(), QSize(6, 6));
  EXPECT_EQ(grown.pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(grown.pixel(5, 0), 0xFF00FF00u);
  EXPECT_EQ(grown.pixel(0, 5), 0xFFFF0000u);
  EXPECT_EQ(grown.pixel(3, 3), 0xFFFFFFFFu);
  EXPECT_EQ(grown.copy(2, 2, 2, 2), card);
}

TEST(PrinterCalibration, MovesByTheOffsetAndScalesAboutTheCornerWithinItsRanges) {
  const QTransform moved = CalibrationTransform({1.5, -2, 100}, 25.4);  // a unit per mm
  EXPECT_EQ(moved.map(QPointF(10, 10)), QPointF(11.5, 8));
  const QTransform scaled = CalibrationTransform({0, 0, 102}, 25.4);
  EXPECT_EQ(scaled.map(QPointF(100, 50)), QPointF(102, 51));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(Clamped({12, -11, 90}), (PrinterCalibration{10, -10, 95}));
  EXPECT_EQ(Clamped({nan, 1, nan}), (PrinterCalibration{0, 1, 100}));
}

TEST(CardFit, SizesWithinHalfAMillimetreMatch) {
  CardState card;  // 1062 × 615 at 300 dpi: 89.9 × 52.1 mm
  PageLayout layout;
  EXPECT_FALSE(CardDiffersFromLayout(card, layout));
  layout.cardWidth = 1062 + 5;  // 0.42 mm wider
  EXPECT_FALSE(CardDiffersFromLayout(card, layout));
  layout.cardHeight = 615 - 7;  // 0.59 mm lower
  EXPECT_TRUE(CardDiffersFromLayout(card, layout));
  EXPECT_EQ(CardAndLayoutSizes(card, layout),
            "the card is 89.9 × 52.1 mm, the sheet's cards 90.3 × 51.5 mm");
  const CardState fitted = FittedToLayout(card, layout);
  EXPECT_FALSE(CardDiffersFromLayout(fitted, layout));
  EXPECT_EQ(fitted.dpi, card.dpi);
  card.cardWidth = std::numeric_limits<float>::quiet_NaN();
  EXPECT_TRUE(CardDiffersFromLayout(card, PageLayout{}));
}

}  // namespace
}  // namespace tavolo
