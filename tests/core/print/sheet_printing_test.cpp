// Print jobs painted onto a paged device and written as PDF files, as the print dialog, the page
// preview and tavolo-cli print use them.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <string>
#include <vector>

#include "core/print/SheetPdf.h"
#include "core/print/SheetRenderer.h"
#include "tests/core/TestFolders.h"
#include "tests/core/card/RenderTestSupport.h"

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
    cards.push_back(SolidCard(QColor::fromHsv(cell * 36, 200, 200)));
  }
  return [cards, filled](int, int cell) { return cell < filled ? cards[cell] : QImage(); };
}

TEST(PrintSheets, PaintsEachSheetAfterAskingStopsWhenToldAndEmbedsEachPictureOnce) {
  test::EnsureGuiApplication();
  PageLayout overlapping;
  overlapping.verticalPitch = 600;
  const struct {
    const char* what;
    CardSource cards;
    PageLayout layout;
    int sheets;
    int stopAt;  // the progress answers false here; -1 never
    bool ok;
    bool cancelled;
    int asked;   // progress calls
    int pages;   // pages in the PDF
    int images;  // pictures embedded in the PDF
  } cases[] = {
      {"three sheets", SameCardEverywhere(SolidCard()), PageLayout{}, 3, -1, true, false, 3, 3, 1},
      {"a card per cell", ColourPerCell(), PageLayout{}, 2, -1, true, false, 2, 2, 10},
      {"cancelled before the third", SameCardEverywhere(SolidCard()), PageLayout{}, 3, 2, true,
       true, 3, 2, 1},
      {"cancelled at once", SameCardEverywhere(SolidCard()), PageLayout{}, 3, 0, true, true, 1, 1,
       0},
      {"no card fits", SameCardEverywhere(SolidCard()), overlapping, 3, -1, false, false, 0, 0, 0},
      {"no card source", CardSource(), PageLayout{}, 3, -1, false, false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    int asked = 0;
    const SheetJob job{A4(), c.layout, 300, c.sheets, c.cards};
    PrintOutcome printed = Failure{};
    {
      QPdfWriter writer(&buffer);
      printed = PrintSheets(writer, job, [&](int done, int sheets) {
        EXPECT_EQ(done, asked) << c.what;
        EXPECT_EQ(sheets, c.sheets) << c.what;
        ++asked;
        return done != c.stopAt;
      });
    }
    ASSERT_EQ(printed.Ok(), c.ok) << c.what;
    EXPECT_EQ(printed.Message().empty(), c.ok) << c.what;
    if (c.ok) {
      EXPECT_EQ(printed.Value() == PrintCompletion::kCancelled, c.cancelled) << c.what;
    }
    EXPECT_EQ(asked, c.asked) << c.what;
    EXPECT_EQ(pdf.count("/Type /Page\n"), c.pages) << c.what;
    EXPECT_EQ(pdf.count("/Subtype /Image"), c.images) << c.what;
  }
}

TEST(PaintSheet, DrawsEachCellsOwnCardAndLeavesEmptyCellsBlank) {
  const SheetJob job{A4(), PageLayout{}, 300, 1, ColourPerCell(7)};
  const SheetPlacement placement = PlaceCards(job.layout, job.paper.WholeMm(), job.dpi, 30);
  ASSERT_EQ(placement.cards.size(), 10u);
  QImage sheet(300, 400, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  PaintSheet(painter, PrepareSheets(job, placement.cards, 30), 0);
  painter.end();
  for (int cell = 0; cell < 10; ++cell) {
    const QImage card = job.cards(0, cell);
    const QRgb expected = card.isNull() ? qRgb(255, 255, 255) : card.pixel(0, 0);
    EXPECT_EQ(sheet.pixel(placement.cards[cell].center().toPoint()), expected) << cell;
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
  const struct {
    const char* what;
    const char* file;  // in the scratch folder, which holds an old "cards.pdf"
    bool cancel;
    const char* message;  // empty: no failure
  } cases[] = {
      {"written", "cards.pdf", false, ""},
      {"cancelled", "cards.pdf", true, ""},
      {"no such folder", "missing/cards.pdf", false, "contains an invalid path."},
  };
  for (const auto& c : cases) {
    const test::TempFolder out;
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    ASSERT_TRUE(test::WriteFileBytes(out / "cards.pdf", old));
    const SheetJob job{A4(), PageLayout{}, 300, 2, SameCardEverywhere(SolidCard())};
    const PrintOutcome written = WriteSheetsPdf(out / c.file, job, QStringLiteral("Cards"),
                                                [&](int, int) { return !c.cancel; });
    EXPECT_EQ(written.Ok(), *c.message == '\0') << c.what;
    EXPECT_NE(written.Message().find(c.message), std::string::npos)
        << c.what << ": " << written.Message();
    const bool printed = written && written.Value() == PrintCompletion::kPrinted;
    EXPECT_EQ(printed, written && !c.cancel) << c.what;
    const std::vector<uint8_t> now = test::ReadFileBytes(out / "cards.pdf");
    if (printed) {
      EXPECT_EQ(std::string(now.begin(), now.begin() + 5), "%PDF-") << c.what;
    } else {
      EXPECT_EQ(now, old) << c.what;
    }
  }
}

}  // namespace
}  // namespace tavolo
