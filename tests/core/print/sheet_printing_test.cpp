#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

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

// Two-sided sheets: each sheet's page of backs follows it, its grid mirrored so that, printed at
// 300 dpi and held to the light, every back lies behind its own front.
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

TEST(DuplexBacks, EachBackLiesBehindItsFrontForTheLongAndTheShortEdge) {
  test::EnsureGuiApplication();
  if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "pdftoppm is missing";
  // Margins unlike on the two sides, so that a back left where its front is would miss it.
  PageLayout layout;
  std::tie(layout.leftMargin, layout.topMargin) = std::tuple(90, 60);
  for (const DuplexFlip flip : {DuplexFlip::kLongEdge, DuplexFlip::kShortEdge}) {
    SCOPED_TRACE(static_cast<int>(flip));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("sheets.pdf"));
    SheetJob job{A4(), layout, 300, 2, ColourPerCell()};
    job.backs = {flip, ColourPerCell(), {}};
    ASSERT_TRUE(WriteSheetsPdf(pdf.toStdString(), job, {}).Ok());
    const std::string info = test::RunShell("pdfinfo " + pdf.toStdString()).output;
    EXPECT_NE(info.find("Pages:           4"), std::string::npos);  // front, back, front, back
    const QString pages = folder.filePath(QStringLiteral("page"));
    ASSERT_EQ(std::system(("pdftoppm -r 300 -f 1 -l 2 -png " + pdf + " " + pages).toUtf8()), 0);
    const std::vector<QRect> fronts = CellBoxes(pages + QStringLiteral("-1.png"));
    const std::vector<QRect> backs = CellBoxes(pages + QStringLiteral("-2.png"));
    const QSize page = QImage(pages + QStringLiteral("-1.png")).size();
    for (int cell = 0; cell < 10; ++cell) {
      const QRect f = fronts[cell];
      const QRect b = backs[cell];
      ASSERT_FALSE(f.isEmpty()) << cell;
      EXPECT_EQ(f.size(), b.size()) << cell;
      // Mirrored across the page: the back's left edge as far from the right as the front's right.
      const bool long_ = flip == DuplexFlip::kLongEdge;
      EXPECT_LE(std::abs(b.left() - (long_ ? page.width() - f.right() - 1 : f.left())), 1) << cell;
      EXPECT_LE(std::abs(b.top() - (long_ ? f.top() : page.height() - f.bottom() - 1)), 1) << cell;
    }
  }
}

}  // namespace
}  // namespace tavolo
