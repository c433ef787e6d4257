#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <limits>
#include <tuple>

#include <QImage>
#include <QPainter>

#include "core/formats/ProjectFile.h"
#include "core/library/BackgroundLibrary.h"
#include "core/print/Bleed.h"
#include "core/print/CardFit.h"
#include "core/print/PrinterCalibration.h"
#include "core/print/SheetMarks.h"
#include "core/render/CardVectorPainter.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

// Two columns and two rows of 100 × 50 cells, 10 apart across and 6 down.
const std::vector<QRectF> kCells = {
    {0, 0, 100, 50}, {110, 0, 100, 50}, {0, 56, 100, 50}, {110, 56, 100, 50}};
const GridSize kTwoByTwo{2, 2};

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
  EXPECT_FALSE(BleedsOverlap(CardsOnSheet({kCells.data(), 1}, {}, 5), GridSize{1, 1}));
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

TEST(Bleed, WholePixelsThatCoverIt) {
  EXPECT_EQ(BleedPixels(3, 300), 36);  // 35.43 rounded up
  EXPECT_EQ(BleedPixels(2.54, 300), 30);
  EXPECT_EQ(BleedPixels(0, 300), 0);
  EXPECT_EQ(BleedPixels(std::numeric_limits<double>::quiet_NaN(), 300), 0);
  EXPECT_EQ(BleedPixels(99, 300), 60);  // held to 5 mm
}

// The mean colour of a part of a picture, channel by channel.
std::array<double, 3> Mean(const QImage& image, const QRect& part) {
  std::array<double, 3> sum{};
  for (int y = part.top(); y <= part.bottom(); ++y) {
    for (int x = part.left(); x <= part.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p);
    }
  }
  for (double& channel : sum) channel /= part.width() * part.height();
  return sum;
}

// Every shipped template painted with a 3 mm bleed: on each side the bleed is within 6/255 of
// the card just inside the edge (1 mm of it), so that a cut off the line shows no strip of
// another colour, a repeated frame line or a picture's end.
TEST(Bleed, RunsOnFromEveryShippedTemplatesOwnEdges) {
  test::EnsureGuiApplication();
  const std::filesystem::path bin = TAVOLO_BIN_DIR;
  BackgroundTable table;
  ASSERT_TRUE(ReadBGFileIn(table, bin, "fl1.tmp").Ok()) << "build the backgrounds target";
  int checked = 0;
  for (const auto& entry : std::filesystem::directory_iterator(bin / "tmpl")) {
    if (entry.path().extension() != ".tvt") continue;
    const std::string name = entry.path().stem().string();
    CardState card;
    ASSERT_TRUE(ReadProject(entry.path(), card, table, ReadMode::kKeepOnFileError).Ok()) << name;
    CardRenderer renderer(&table, DataFolder(bin / "customphotos"));
    const QSize size = PrintImageSize(card);
    const int bleed = BleedPixels(3, card.dpi);
    const int inside = BleedPixels(1, card.dpi);
    QImage bled(size + QSize(2 * bleed, 2 * bleed), QImage::Format_RGB32);
    bled.fill(Qt::white);
    QPainter painter(&bled);
    PaintCard(renderer, painter, QRectF(QPointF(bleed, bleed), size), card, {.bleedPixels = bleed});
    painter.end();
    const int w = size.width(), h = size.height();
    // side, the bleed beside it and the card just inside it
    const std::tuple<const char*, QRect, QRect> sides[] = {
        {"left", {0, bleed, bleed, h}, {bleed, bleed, inside, h}},
        {"right", {bleed + w, bleed, bleed, h}, {bleed + w - inside, bleed, inside, h}},
        {"top", {bleed, 0, w, bleed}, {bleed, bleed, w, inside}},
        {"bottom", {bleed, bleed + h, w, bleed}, {bleed, bleed + h - inside, w, inside}},
    };
    for (const auto& [side, past, within] : sides) {
      const std::array<double, 3> a = Mean(bled, past), b = Mean(bled, within);
      for (int c = 0; c < 3; ++c) EXPECT_NEAR(a[c], b[c], 6.0) << name << ", " << side;
    }
    ++checked;
  }
  EXPECT_GE(checked, 20);
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
