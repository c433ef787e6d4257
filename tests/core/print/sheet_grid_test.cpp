#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <tuple>

#include <QSizeF>

#include "core/print/LengthDisplay.h"
#include "core/print/PaperCatalogue.h"
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
  std::tie(layout.cardWidth, layout.horizontalPitch, layout.cardHeight, layout.verticalPitch) =
      std::tuple(cardWidth, horizontalPitch, cardHeight, verticalPitch);
  return layout;
}

// Why the grid was refused; none when it was not.
std::optional<GridFault> FaultOf(const SheetGrid& grid) {
  if (grid) return std::nullopt;
  EXPECT_EQ(grid.Message(), GridMessage(grid.Fault().kind));
  return grid.Fault().kind;
}

constexpr std::nullopt_t kPlaced = std::nullopt;

TEST(SheetGrid, CountsColumnsAndRowsOrSaysWhyNone) {
  const std::tuple<const char*, PageLayout, PaperMm, int, std::optional<GridFault>, int, int>
      cases[] = {
          {"default on Letter", PageLayout{}, kLetter, 300, kPlaced, 2, 5},
          {"at 600 dpi the card is half as large", PageLayout{}, kA4, 600, kPlaced, 4, 11},
          {"pitch a pixel under the width", Layout(1062, 1061), kLetter, 300,
           GridFault::kPitchBelowCard, 0, 0},
          {"card wider than the paper", Layout(2600, 2600), kLetter, 300,
           GridFault::kNotEnoughSpace, 0, 5},
          {"pitch twice the width on Letter", Layout(1062, 2124), kLetter, 300, kPlaced, 1, 5},
          {"cards too small to cut", Layout(10, 10, 10, 10), kA4, 300, GridFault::kTooManyCards,
           248, 350},
          {"a hundred across is allowed", Layout(25, 25, 35, 35), kA4, 300, kPlaced, 99, 100},
          {"card width not a number", Layout(kNaN, 1062), kA4, 300, GridFault::kNotEnoughSpace, 0,
           0},
          {"no resolution", PageLayout{}, kA4, 0, GridFault::kNotEnoughSpace, 0, 0},
      };
  for (const auto& [what, layout, paper, dpi, status, columns, rows] : cases) {
    const SheetGrid grid = ComputeGrid(layout, paper, dpi);
    EXPECT_EQ(FaultOf(grid), status) << what;
    EXPECT_EQ(CountedOf(grid).columns, columns) << what;
    EXPECT_EQ(CountedOf(grid).rows, rows) << what;
    EXPECT_EQ(CardCount(grid), status == kPlaced ? columns * rows : 0) << what;
  }
  PageLayout farMargin;
  farMargin.leftMargin = std::numeric_limits<float>::infinity();
  EXPECT_EQ(FaultOf(ComputeGrid(farMargin, kA4, 300)), GridFault::kNotEnoughSpace);
}

// Huge but finite margins would place cards where no printer or PDF can put them: the first card
// must start on the paper.
TEST(SheetGrid, AFirstCardThatDoesNotStartOnThePaperIsRefused) {
  const std::tuple<float, float, std::optional<GridFault>> cases[] = {
      {1e20f, 150, GridFault::kOffThePaper},
      {-1, 150, GridFault::kOffThePaper},
      {2481, 150, GridFault::kOffThePaper},
      {2479, 150, kPlaced},  // 209.9 mm starts on A4; the count leaves margins out
      {0, 0, kPlaced},
  };
  for (const auto& [left, top, status] : cases) {
    PageLayout layout;
    std::tie(layout.leftMargin, layout.topMargin) = std::tuple(left, top);
    const SheetPlacement placement = PlaceCards(layout, kA4, 300, 72);
    EXPECT_EQ(FaultOf(placement.grid), status) << left << ", " << top;
    EXPECT_EQ(placement.cards.empty(), status != kPlaced);
  }
}

// The cards sit in the middle of the paper's exact size, though the grid counts its whole
// millimetres; the margins show truncated to two decimals.
TEST(PaperChange, CentresTheWholeColumnsAndRowsWithinATenthOfAMillimetre) {
  // paper, columns, rows, left and top margins as shown (inches; 0.71 in as a float lies just
  // below and shows as 0.70)
  const std::tuple<const char*, int, int, float, float> cases[] = {
      {"Letter", 2, 5, 0.70f, 0.37f},
      {"Legal", 2, 6, 0.70f, 0.85f},
      {"A4", 2, 5, 0.59f, 0.72f},
      {"A5", 1, 4, 1.14f, 0.03f},
  };
  const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
  for (const auto& [name, columns, rows, left, top] : cases) {
    const Paper& paper = papers[FindPaper(papers, QString::fromLatin1(name))];
    PageLayout layout;
    std::tie(layout.unit, layout.horizontalPitch, layout.verticalPitch) = std::tuple(2, 2000, 700);
    const ShownLengths shown = ApplyPaperChange(layout, paper, 300);
    EXPECT_EQ(At(shown, LayoutLength::kLeftMargin), left) << name;
    EXPECT_EQ(At(shown, LayoutLength::kTopMargin), top) << name;
    EXPECT_EQ(std::tie(layout.paper, layout.unit), std::tuple(paper.id, 0)) << name;
    EXPECT_EQ(std::tie(layout.horizontalPitch, layout.verticalPitch), std::tuple(1062.0f, 615.0f))
        << name << ": the pitches become the card's";
    // Placed in millimetres: as much paper beside the first card as beside the last.
    const SheetPlacement placed = PlaceCards(layout, paper.WholeMm(), 300, 25.4);
    ASSERT_EQ(placed.cards.size(), static_cast<size_t>(columns * rows)) << name;
    const QSizeF size = paper.pageSize.size(QPageSize::Millimeter);
    EXPECT_NEAR(placed.cards.front().left(), size.width() - placed.cards.back().right(), 0.1);
    EXPECT_NEAR(placed.cards.front().top(), size.height() - placed.cards.back().bottom(), 0.1);
  }
}

TEST(PaperChange, ACardWithoutLengthLeavesNoMargin) {
  for (const double card : {0.0, -3.0, std::nan("")})
    EXPECT_EQ(CentringMarginMm(215.9, 215, card), 0.0);
  EXPECT_EQ(CentringMarginMm(215.9, 215, 300.0), 107.95);  // wider than the paper: half the paper
}

TEST(PlaceCards, RectanglesRowByRowFromThePapersCornerInDeviceUnits) {
  const SheetPlacement at300 = PlaceCards(PageLayout{}, kLetter, 300, 300);
  ASSERT_EQ(at300.cards.size(), 10u);
  EXPECT_EQ(at300.cards[0], QRectF(225, 150, 1062, 615));
  EXPECT_EQ(at300.cards[2], QRectF(225, 765, 1062, 615));
  EXPECT_EQ(at300.cards[9], QRectF(1287, 2610, 1062, 615));

  PageLayout gaps;
  std::tie(gaps.horizontalPitch, gaps.verticalPitch, gaps.leftMargin, gaps.topMargin) =
      std::tuple(1200, 700, 100, 0);
  const SheetPlacement at1200 = PlaceCards(gaps, kA4, 300, 1200);
  ASSERT_EQ(at1200.cards.size(), 10u);
  EXPECT_EQ(at1200.cards[1], QRectF(4 * 1300, 0, 4 * 1062, 4 * 615));
  EXPECT_EQ(at1200.cards[7], QRectF(4 * 1300, 4 * 2100, 4 * 1062, 4 * 615));

  EXPECT_TRUE(PlaceCards(Layout(1062, 1061), kLetter, 300, 300).cards.empty());
}

// The print dialog's shown lengths: to display with float rounding and truncation toward zero,
// back with the display's own factors, unrounded (89.91 mm is not 1062 pixels again).
TEST(LengthDisplay, ToDisplayTruncatesToTwoDecimalsAndFromDisplayUsesItsOwnFactorsUnrounded) {
  const std::tuple<float, int, LengthUnit, float> cases[] = {
      {1062.0f, 300, LengthUnit::kMm, 89.91f},   {1062.0f, 300, LengthUnit::kInches, 3.53f},
      {1062.0f, 300, LengthUnit::kCm, 8.99f},    {1062.0f, 600, LengthUnit::kInches, 1.76f},
      {-1062.0f, 300, LengthUnit::kMm, -89.91f},
  };
  for (const auto& [printPixels, dpi, unit, shown] : cases) {
    EXPECT_EQ(ToDisplay(printPixels, dpi, unit), shown)
        << printPixels << " px at " << dpi << " dpi in unit " << static_cast<int>(unit);
  }
  EXPECT_FLOAT_EQ(FromDisplay(89.91f, 300, LengthUnit::kMm), 1061.9292f);
  EXPECT_FLOAT_EQ(FromDisplay(0.69f, 300, LengthUnit::kInches), 207.0f);
  EXPECT_FLOAT_EQ(FromDisplay(2.0f, 300, LengthUnit::kCm), 236.220468f);  // 2 × 0.39370078 × 300
}

// The dialog opens on inches rounded, where a unit switch truncates (3.53 above).
TEST(LengthDisplay, OpeningShowsInchesRounded) {
  PageLayout layout;
  const ShownLengths opening = ShowLengthsRounded(layout, 300);
  EXPECT_EQ(At(opening, LayoutLength::kCardWidth), 3.54f);
  EXPECT_EQ(At(opening, LayoutLength::kLeftMargin), 0.75f);
  layout.topMargin = 178.2f;  // 0.594 in
  EXPECT_EQ(DisplayText(At(ShowLengthsRounded(layout, 300), LayoutLength::kTopMargin)), "0.59");
}

TEST(LengthDisplay, EditTextIsANumberFromZeroToAThousand) {
  // value -1: refused
  const std::tuple<const char*, float, const char*> cases[] = {
      {" 3.54 ", 3.54f, ""},
      {"1000", 1000.0f, ""},
      {"", -1, "Please enter a number."},
      {"inf", -1, "Please enter a number."},
      {"1000.01", -1, "Please enter a number between 0 and 1000."},
      {"-0.5", -1, "Please enter a number between 0 and 1000."},
  };
  for (const auto& [text, value, message] : cases) {
    const ParsedLength parsed = ParseShownLength(QString::fromUtf8(text));
    EXPECT_EQ(parsed.message, QString::fromUtf8(message)) << text;
    if (value >= 0) {
      ASSERT_TRUE(parsed.value) << text;
      EXPECT_EQ(*parsed.value, value) << text;
    } else {
      EXPECT_FALSE(parsed.value) << text;
    }
  }
}

// Qt's standard page sizes as the print dialog's fallback paper list and the command line's.
TEST(PaperCatalogue, A4OrLetterComesFirstByLocale) {
  const std::tuple<QLocale, const char*, const char*> cases[] = {
      {QLocale(QLocale::French, QLocale::Canada), "Letter", "A4"},
      {QLocale(QLocale::English, QLocale::UnitedKingdom), "A4", "Letter"},
  };
  for (const auto& [locale, first, second] : cases) {
    const std::vector<Paper> papers = PaperCatalogue(locale);
    ASSERT_GT(papers.size(), 100u);
    EXPECT_EQ(papers[0].pageSize.key(), first) << locale.name().toStdString();
    EXPECT_EQ(papers[1].pageSize.key(), second) << locale.name().toStdString();
    std::set<QString> keys;
    for (const Paper& paper : papers) {
      EXPECT_TRUE(keys.insert(paper.pageSize.key()).second) << paper.name.toStdString();
    }
  }
}

TEST(PaperCatalogue, FindsPapersByNameKeyOrIdentifier) {
  const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
  // key null: no paper
  const std::tuple<const char*, const char*> cases[] = {
      {"a4", "A4"},   {"letter / ansi a", "Letter"},
      {" 9 ", "A4"},  {"Envelope US 10", "Env10"},
      {"0", nullptr}, {"A42", nullptr},
      {"", nullptr},
  };
  for (const auto& [wanted, key] : cases) {
    const int at = FindPaper(papers, QString::fromUtf8(wanted));
    if (key == nullptr) {
      EXPECT_EQ(at, -1) << wanted;
    } else {
      ASSERT_GE(at, 0) << wanted;
      EXPECT_EQ(papers[at].pageSize.key(), key) << wanted;
    }
  }
  EXPECT_EQ(FindPaperById(papers, 0), -1);  // A0 and others have no Windows identifier
  EXPECT_EQ(papers[FindPaper(papers, QStringLiteral("Legal"))].WholeMm(), (PaperMm{215, 355}));

  // A printer's list, and its current paper found in it by page size, else by dimensions.
  const std::vector<Paper> printer = PapersFromPageSizes(
      {QPageSize(QPageSize::Letter), QPageSize(QPageSize::A4), QPageSize(QPageSize::Legal)});
  ASSERT_EQ(printer.size(), 3u);
  EXPECT_EQ(printer[1].id, 9);
  EXPECT_EQ(FindPaperMatching(printer, QPageSize(QPageSize::Legal)), 2);
  EXPECT_EQ(FindPaperMatching(printer, QPageSize(QSizeF(210, 297), QPageSize::Millimeter,
                                                 QStringLiteral("Driver A4"))),
            1);
  EXPECT_EQ(FindPaperMatching(printer, QPageSize(QPageSize::A5)), -1);
  EXPECT_EQ(papers[FindPaperById(papers, 9)].pageSize.key(), "A4");
}

}  // namespace
}  // namespace tavolo
