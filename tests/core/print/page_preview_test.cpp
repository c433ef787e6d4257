#include <gtest/gtest.h>

#include <tuple>

#include <QImage>
#include <QPainter>

#include "core/print/LengthDisplay.h"
#include "core/print/PagePreview.h"
#include "core/print/SheetRenderer.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

constexpr PaperMm kLetter{215, 279};
constexpr QRgb kCardColour = 0xFFD02090;

TEST(PagePreview, ScalesByWidthOrInProportionByHeight) {
  // The preview's size, where the sheet lies in it and where the first and the last card do.
  const std::tuple<const char*, QSize, QRect, QRect, QRect> cases[] = {
      // One pixel per millimetre: everything to scale, y0 is the top margin itself.
      {"paper-shaped", {215, 279}, {0, 0, 215, 279}, {19, 12, 89, 52}, {108, 220, 89, 52}},
      // Width scale 0.93: the free height above the cards is 12.7 / 18.65 of the free height.
      {"taller than the paper",
       {200, 400},
       {0, 0, 200, 400},
       {17, 107, 83, 48},
       {101, 301, 83, 48}},
      // The sheet scaled by width would be 519 high: scale 300 / 279 and centre it across.
      {"wider than the paper",
       {400, 300},
       {84, 0, 231, 300},
       {104, 13, 96, 55},
       {201, 237, 96, 55}},
      // Scaled by width the grid would overflow the height and its first row start above the
      // sheet (a negative y0), so the sheet is scaled by height.
      {"a little too low", {215, 200}, {30, 0, 154, 200}, {44, 9, 64, 37}, {108, 158, 64, 37}},
  };
  for (const auto& [what, preview, sheet, firstCard, lastCard] : cases) {
    const PagePreviewGeometry g = ComputePagePreview(PageLayout{}, kLetter, 300, preview);
    ASSERT_TRUE(g.drawn) << what;
    ASSERT_EQ(g.cards.size(), 10u) << what;
    EXPECT_EQ(g.sheet, sheet) << what;
    EXPECT_EQ(g.cards.front(), firstCard) << what;
    EXPECT_EQ(g.cards.back(), lastCard) << what;
    for (const QRect& card : g.cards) {
      // The card keeps its proportions, and the whole grid lies on the sheet.
      EXPECT_NEAR(card.width() * 615.0 / 1062.0, card.height(), 1.0) << what;
      EXPECT_TRUE(g.sheet.contains(card)) << what;
    }
  }
}

TEST(PagePreview, NothingToPlaceOrAMessageInsteadOfCards) {
  PageLayout overlapping;
  overlapping.horizontalPitch = 1061;
  const PagePreviewGeometry message = ComputePagePreview(overlapping, kLetter, 300, {215, 279});
  EXPECT_TRUE(message.drawn);
  ASSERT_FALSE(message.grid.Ok());
  EXPECT_EQ(message.grid.Fault().kind, GridFault::kPitchBelowCard);
  EXPECT_TRUE(message.cards.empty());

  EXPECT_FALSE(ComputePagePreview(PageLayout{}, kLetter, 0, {215, 279}).drawn);
  EXPECT_FALSE(ComputePagePreview(PageLayout{}, PaperMm{}, 300, {215, 279}).drawn);
  EXPECT_FALSE(ComputePagePreview(PageLayout{}, kLetter, 300, {0, 279}).drawn);
}

// A grid exactly as high as the paper leaves no free height to share above and below it.
TEST(PagePreview, AGridExactlyAsHighAsThePaperStaysOnTheSheet) {
  PageLayout fullHeight;
  fullHeight.cardHeight = fullHeight.verticalPitch = 2540;  // 254 mm at 254 dpi
  fullHeight.leftMargin = fullHeight.topMargin = 0;
  ASSERT_EQ(PrintPixelsToMm(fullHeight.cardHeight, 254), 254.0);
  const PagePreviewGeometry g = ComputePagePreview(fullHeight, {215, 254}, 254, {215, 254});
  ASSERT_EQ(g.cards.size(), 2u);
  for (const QRect& card : g.cards) {
    EXPECT_EQ(card.top(), 0);
    EXPECT_TRUE(g.sheet.contains(card)) << card.x() << ", " << card.y();
  }
}

// The sheet, its frame, the cards and the messages are drawn as the print dialog's golden pictures
// show; those have the sheet's shape, so here the sheet narrower than the preview.
TEST(PagePreview, PaintsGreyBesideASheetNarrowerThanThePreview) {
  test::EnsureGuiApplication();
  QImage card(1062, 615, QImage::Format_RGB32);
  card.fill(kCardColour);
  const QSize size(400, 300);
  QImage preview(size, QImage::Format_RGB32);
  preview.fill(Qt::blue);
  QPainter painter(&preview);
  PaintPagePreview(painter, size, SheetJob{{}, {}, 300, 1, SameCardEverywhere(card)},
                   ComputePagePreview(PageLayout{}, kLetter, 300, size));
  painter.end();
  EXPECT_EQ(preview.pixel(10, 150), QColor(Qt::lightGray).rgb());
  EXPECT_EQ(preview.pixel(84, 150), 0xFF000000u);
  EXPECT_EQ(preview.pixel(90, 5), 0xFFFFFFFFu);
  EXPECT_EQ(preview.pixel(150, 40), kCardColour);
}

}  // namespace
}  // namespace tavolo
