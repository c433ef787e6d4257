// Two-sided sheets: each sheet's page of backs follows it, its grid mirrored so that, printed at
// 300 dpi and held to the light, every back lies behind its own front.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <vector>

#include "core/print/SheetPdf.h"
#include "tests/core/card/RenderTestSupport.h"

namespace tavolo {
namespace {

constexpr int kCells = 10;

// Each cell's card in a colour of its own, front and back alike, so a back is known by its front.
CardSource ColourPerCell() {
  std::vector<QImage> cards;
  for (int cell = 0; cell < kCells; ++cell) {
    cards.emplace_back(1062, 615, QImage::Format_RGB32);
    cards.back().fill(QColor::fromHsv(cell * 36, 255, 220));
  }
  return [cards](int, int cell) { return cell < kCells ? cards[cell] : QImage(); };
}

// Each cell's bounding box on a page rasterised by pdftoppm, found by its colour.
std::vector<QRect> CellBoxes(const QString& png) {
  const QImage page = QImage(png).convertToFormat(QImage::Format_RGB32);
  std::vector<QRect> boxes(kCells);
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      const QColor p = page.pixelColor(x, y);
      if (p.saturation() < 200) continue;  // paper, or a card's anti-aliased edge
      const int cell = (p.hue() + 18) / 36 % kCells;
      boxes[cell] |= QRect(x, y, 1, 1);
    }
  }
  return boxes;
}

TEST(DuplexBacks, EachBackLiesBehindItsFrontForTheLongAndTheShortEdge) {
  test::EnsureGuiApplication();
  if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "pdftoppm is missing";
  const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
  // Margins unlike on the two sides, so that a back left where its front is would miss it.
  PageLayout layout;
  layout.leftMargin = 90;
  layout.topMargin = 60;
  for (const DuplexFlip flip : {DuplexFlip::kLongEdge, DuplexFlip::kShortEdge}) {
    SCOPED_TRACE(static_cast<int>(flip));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("sheets.pdf"));
    SheetJob job{papers[FindPaper(papers, QStringLiteral("A4"))], layout, 300, 2, ColourPerCell()};
    job.backs = {flip, ColourPerCell(), {}};
    ASSERT_TRUE(WriteSheetsPdf(pdf.toStdString(), job, QString()).Ok());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("/Type /Page\n"), 4);  // front, back, front, back
    const QString pages = folder.filePath(QStringLiteral("page"));
    ASSERT_EQ(std::system(("pdftoppm -r 300 -f 1 -l 2 -png " + pdf + " " + pages).toUtf8()), 0);
    const std::vector<QRect> fronts = CellBoxes(pages + QStringLiteral("-1.png"));
    const std::vector<QRect> backs = CellBoxes(pages + QStringLiteral("-2.png"));
    const QSize page = QImage(pages + QStringLiteral("-1.png")).size();
    for (int cell = 0; cell < kCells; ++cell) {
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
