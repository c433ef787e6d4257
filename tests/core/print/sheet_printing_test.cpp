#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "core/print/SheetPdf.h"
#include "core/print/SheetRenderer.h"
#include "tests/cli/CliRun.h"
#include "tests/core/TestFolders.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

QImage SolidCard(QColor colour = Qt::darkCyan) {
  QImage card(1062, 615, QImage::Format_RGB32);
  card.fill(colour);
  return card;
}

Paper A4() {
  const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
  return papers[FindPaper(papers, QStringLiteral("A4"))];
}

// The default layout on A4 places ten cards: each cell its own colour, or none past `filled`.
CardSource ColourPerCell(int filled = 10) {
  std::vector<QImage> cards;
  for (int cell = 0; cell < 10; ++cell) {
    cards.push_back(SolidCard(QColor::fromHsv(cell * 36, 255, 220)));
  }
  return [cards, filled](int, int cell) { return cell < filled ? cards[cell] : QImage(); };
}

TEST(PrintSheets, PaintsEachSheetAfterAskingStopsWhenToldAndEmbedsEachPictureOnce) {
  test::EnsureGuiApplication();
  PageLayout overlapping;
  overlapping.verticalPitch = 600;
  const CardSource same = SameCardEverywhere(SolidCard());
  // The progress answers false at `stopAt` (-1 never); `calls` of it, `pages` in the PDF and
  // `images` embedded in it.
  const std::tuple<const char*, CardSource, PageLayout, int, int, bool, bool, int, int, int>
      cases[] = {
          {"three sheets", same, PageLayout{}, 3, -1, true, false, 3, 3, 1},
          {"a card per cell", ColourPerCell(), PageLayout{}, 2, -1, true, false, 2, 2, 10},
          {"cancelled before the third", same, PageLayout{}, 3, 2, true, true, 3, 2, 1},
          {"cancelled at once", same, PageLayout{}, 3, 0, true, true, 1, 1, 0},
          {"no card fits", same, overlapping, 3, -1, false, false, 0, 0, 0},
          {"no card source", CardSource(), PageLayout{}, 3, -1, false, false, 0, 0, 0},
      };
  for (const auto& [what, cards, layout, sheets, stopAt, ok, cancelled, calls, pages, images] :
       cases) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    int asked = 0;
    const SheetJob job{A4(), layout, 300, sheets, cards};
    PrintOutcome printed = Failure{};
    {
      QPdfWriter writer(&buffer);
      printed = PrintSheets(writer, job, [&](int done, int count) {
        EXPECT_EQ(done, asked) << what;
        EXPECT_EQ(count, sheets) << what;
        ++asked;
        return done != stopAt;
      });
    }
    ASSERT_EQ(printed.Ok(), ok) << what;
    EXPECT_EQ(printed.Message().empty(), ok) << what;
    if (ok) {
      EXPECT_EQ(printed.Value() == PrintCompletion::kCancelled, cancelled) << what;
    }
    EXPECT_EQ(asked, calls) << what;
    EXPECT_EQ(pdf.count("/Type /Page\n"), pages) << what;
    EXPECT_EQ(pdf.count("/Subtype /Image"), images) << what;
  }
}

TEST(InGrey, TurnsEachPictureGreyOnceSoThatSharedPicturesStayShared) {
  const QImage card = SolidCard(QColor(200, 40, 90));
  const CardSource grey = InGrey(SameCardEverywhere(card));
  const QImage first = grey(0, 0);
  const int shade = qGray(card.pixel(0, 0));
  EXPECT_EQ(first.pixel(500, 300), qRgb(shade, shade, shade));
  EXPECT_EQ(grey(3, 7).cacheKey(), first.cacheKey());
  EXPECT_TRUE(InGrey(SameCardEverywhere(QImage()))(0, 0).isNull());
}

// A full disk is tried through tavolo-cli print, which writes through this function too; what
// the safe writer refuses and cleans up is its own test's.
TEST(WriteSheetsPdf, WritesTheWholeFileOrLeavesTheOldOneAsItWas) {
  test::EnsureGuiApplication();
  // file: in the scratch folder, which holds an old "cards.pdf"
  // message empty: no failure
  const std::tuple<const char*, const char*, bool, const char*> cases[] = {
      {"written", "cards.pdf", false, ""},
      {"cancelled", "cards.pdf", true, ""},
      {"no such folder", "missing/cards.pdf", false, "contains an invalid path."},
  };
  for (const auto& [what, file, cancel, message] : cases) {
    const test::TempFolder out;
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    ASSERT_TRUE(test::WriteFileBytes(out / "cards.pdf", old));
    const SheetJob job{A4(), PageLayout{}, 300, 2, SameCardEverywhere(SolidCard())};
    const PrintOutcome written = WriteSheetsPdf(out / file, job, {.title = QStringLiteral("Cards")},
                                                [&](int, int) { return !cancel; });
    EXPECT_EQ(written.Ok(), *message == '\0') << what;
    EXPECT_NE(written.Message().find(message), std::string::npos)
        << what << ": " << written.Message();
    const bool printed = written && written.Value() == PrintCompletion::kPrinted;
    EXPECT_EQ(printed, written && !cancel) << what;
    const std::vector<uint8_t> now = test::ReadFileBytes(out / "cards.pdf");
    if (printed) {
      EXPECT_EQ(std::string(now.begin(), now.begin() + 5), "%PDF-") << what;
    } else {
      EXPECT_EQ(now, old) << what;
    }
  }
}

// Two-sided sheets: each sheet's page of backs follows it, its grid mirrored so that, printed
// and held to the light, every back lies behind its own front; a merge's short last sheet gets
// backs behind its cards only.
// Each cell's bounding box on a page rasterised by pdftoppm, found by its colour.
std::vector<QRect> CellBoxes(const QString& png) {
  const QImage page = QImage(png).convertToFormat(QImage::Format_RGB32);
  std::vector<QRect> boxes(10);
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      const QColor p = page.pixelColor(x, y);
      if (p.saturation() < 200) continue;  // paper, or a card's anti-aliased edge
      const int cell = (p.hue() + 18) / 36 % 10;
      boxes[cell] |= QRect(x, y, 1, 1);
    }
  }
  return boxes;
}

TEST(DuplexBacks, EachFrontPrintedHasItsBackBehindItForTheLongAndTheShortEdge) {
  test::EnsureGuiApplication();
  if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "pdftoppm is missing";
  // Margins unlike on the two sides, so that a back left where its front is would miss it.
  PageLayout layout;
  std::tie(layout.leftMargin, layout.topMargin) = std::tuple(90, 60);
  // The job's cards on 10-up sheets (0: every cell of two sheets) and the cards on each page.
  const std::tuple<DuplexFlip, size_t, std::vector<int>> cases[] = {
      {DuplexFlip::kLongEdge, 0, {10, 10, 10, 10}}, {DuplexFlip::kShortEdge, 12, {10, 10, 2, 2}},
      {DuplexFlip::kLongEdge, 12, {10, 10, 2, 2}},  {DuplexFlip::kShortEdge, 10, {10, 10}},
      {DuplexFlip::kLongEdge, 11, {10, 10, 1, 1}},  {DuplexFlip::kLongEdge, 1, {1, 1}},
  };
  for (const auto& [flip, count, perPage] : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(flip) << " " << count);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("sheets.pdf"));
    // Fronts and backs for every cell: the job's count ends them.
    SheetJob job{A4(), layout, 300, static_cast<int>(perPage.size() / 2), ColourPerCell()};
    job.cardCount = count;
    job.backs = {flip, ColourPerCell(), {}};
    ASSERT_TRUE(WriteSheetsPdf(pdf.toStdString(), job, {}).Ok());
    const QString pages = folder.filePath(QStringLiteral("page"));
    ASSERT_EQ(std::system(("pdftoppm -r 100 -png " + pdf + " " + pages).toUtf8()), 0);
    const auto page = [&](size_t number) { return pages + QStringLiteral("-%1.png").arg(number); };
    ASSERT_FALSE(QFile::exists(page(perPage.size() + 1)));
    const QSize size = QImage(page(1)).size();
    const bool long_ = flip == DuplexFlip::kLongEdge;
    for (size_t number = 1; number < perPage.size(); number += 2) {
      const std::vector<QRect> f = CellBoxes(page(number));
      const std::vector<QRect> b = CellBoxes(page(number + 1));
      const auto cards = [](const std::vector<QRect>& boxes) {
        return std::ranges::count_if(boxes, [](const QRect& box) { return !box.isEmpty(); });
      };
      EXPECT_EQ(cards(f), perPage[number - 1]) << "page " << number;
      EXPECT_EQ(cards(b), perPage[number]) << "page " << number + 1;
      for (int cell = 0; cell < 10; ++cell) {
        EXPECT_EQ(f[cell].size(), b[cell].size()) << cell;
        if (f[cell].isEmpty()) continue;
        // Mirrored across the page: the back's left edge as far from the right as the front's
        // right.
        const int left = long_ ? size.width() - f[cell].right() - 1 : f[cell].left();
        const int top = long_ ? f[cell].top() : size.height() - f[cell].bottom() - 1;
        EXPECT_LE(std::abs(b[cell].left() - left), 1) << cell;
        EXPECT_LE(std::abs(b[cell].top() - top), 1) << cell;
      }
    }
  }
}

}  // namespace
}  // namespace tavolo
