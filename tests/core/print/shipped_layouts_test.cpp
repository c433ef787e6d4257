// The predefined page layouts the build ships beside the program, against the sheet products'
// own figures.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/print/LengthDisplay.h"
#include "core/print/PageLayoutLibrary.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetGrid.h"

namespace tavolo {
namespace {

const std::filesystem::path kLayouts = std::filesystem::path(TAVOLO_BIN_DIR) / "abctmp";

struct Product {
  const char* name;
  int32_t paper;
  LengthUnit unit;
  ShownLengths shown;  // card height, card width, vertical pitch, horizontal pitch, left, top
  int columns;
  int rows;
};

TEST(ShippedLayouts, AreTheProductsFiguresAndFitTheirPaper) {
  constexpr auto kIn = LengthUnit::kInches;
  constexpr auto kMm = LengthUnit::kMm;
  const Product products[] = {
      {"Avery 5371 Business Cards (Letter)", 1, kIn, {2, 3.5f, 2, 3.5f, 0.75f, 0.5f}, 2, 5},
      {"Avery 8373 Business Cards (Letter)", 1, kIn, {2, 3.5f, 2.5f, 4, 0.5f, 0.75f}, 2, 4},
      {"Avery C32011 Business Cards (A4)", 9, kMm, {54, 85, 54, 95, 15, 13.5f}, 2, 5},
      {"Avery C32015 Business Cards (A4)", 9, kMm, {54, 85, 60, 91, 17, 31.5f}, 2, 4},
      {"Avery L7414 Business Cards (A4)", 9, kMm, {52, 90, 52, 90, 15, 18.5f}, 2, 5},
      {"Avery J8414 Business Cards (A4)", 9, kMm, {50.8f, 87, 50.8f, 93.1f, 14.8f, 20.4f}, 2, 5},
      {"Sigel LP800 Business Cards (A4)", 9, kMm, {55, 85, 55, 95, 15, 10}, 2, 5},
      {"Herma 5028 Business Cards (A4)", 9, kMm, {50.8f, 83.8f, 50.8f, 89.2f, 18.6f, 22}, 2, 5},
  };
  const PageLayoutListing listing = ReadPageLayouts(kLayouts);
  ASSERT_TRUE(listing.errors.empty()) << listing.errors.front();
  ASSERT_EQ(listing.layouts.size(), std::size(products));

  const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
  for (const Product& p : products) {
    const int at = FindPageLayout(listing.layouts, QString::fromUtf8(p.name));
    ASSERT_GE(at, 0) << p.name;
    const PageLayout& layout = listing.layouts[at];
    EXPECT_EQ(layout.paper, p.paper) << p.name;
    EXPECT_EQ(layout.unit, static_cast<int32_t>(p.unit)) << p.name;
    EXPECT_EQ(ShowLengths(layout, 300, p.unit), p.shown) << p.name;

    const Paper& paper = papers[FindPaperById(papers, layout.paper)];
    const SheetPlacement placement = PlaceCards(layout, paper.WholeMm(), 300, 254);  // in 0.1 mm
    EXPECT_EQ(placement.grid.columns, p.columns) << p.name;
    EXPECT_EQ(placement.grid.rows, p.rows) << p.name;
    ASSERT_FALSE(placement.cards.empty()) << p.name;
    const QRectF last = placement.cards.back();
    EXPECT_LE(last.right(), paper.widthTenthsMm) << p.name;
    EXPECT_LE(last.bottom(), paper.heightTenthsMm) << p.name;
  }

  // The list the print dialog shows: the Avery sheets first, then the others, by file name.
  const std::vector<PageLayout> listed = PredefinedListOrder(listing.layouts);
  EXPECT_EQ(listed[5].name, "Avery L7414 Business Cards (A4)");
  EXPECT_EQ(listed[6].name, "Herma 5028 Business Cards (A4)");
}

}  // namespace
}  // namespace tavolo
