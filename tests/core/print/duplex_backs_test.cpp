// Two-sided sheets: each sheet's page of backs follows it, its grid mirrored so that, printed at
// 300 dpi and held to the light, every back lies behind its own front.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/print/SheetPdf.h"
#include "tests/core/card/RenderTestSupport.h"

namespace tavolo {
namespace {

constexpr int kCells = 10;

QColor CellColour(int cell) {
  return QColor::fromHsv(cell * 36, 255, 220);
}

// Each cell's card in a colour of its own, on the fronts and the backs alike, so that a back is
// known by its front's colour.
CardSource ColourPerCell() {
  std::vector<QImage> cards;
  for (int cell = 0; cell < kCells; ++cell) {
    QImage card(1062, 615, QImage::Format_RGB32);
    card.fill(CellColour(cell));
    cards.push_back(card);
  }
  return [cards](int, int cell) { return cell < kCells ? cards[cell] : QImage(); };
}

// The bounding box of each cell's colour on `page`, found in one pass.
std::vector<QRect> CellBoxes(const QImage& page) {
  std::vector<QRect> boxes(kCells);
  std::vector<QRgb> colours;
  for (int cell = 0; cell < kCells; ++cell) colours.push_back(CellColour(cell).rgb());
  for (int y = 0; y < page.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    for (int x = 0; x < page.width(); ++x) {
      const QRgb p = row[x];
      if (qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240) continue;  // the paper
      for (int cell = 0; cell < kCells; ++cell) {
        const QRgb c = colours[cell];
        if (std::abs(qRed(p) - qRed(c)) + std::abs(qGreen(p) - qGreen(c)) +
                std::abs(qBlue(p) - qBlue(c)) < 12) {
          boxes[cell] |= QRect(x, y, 1, 1);
          break;
        }
      }
    }
  }
  return boxes;
}

TEST(DuplexBacks, EachBackLiesBehindItsFrontForTheLongAndTheShortEdge) {
  test::EnsureGuiApplication();
  if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "pdftoppm is missing";
  const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
  const Paper a4 = papers[FindPaper(papers, QStringLiteral("A4"))];
  // Margins unlike on the two sides, so that a back left where its front is would miss it.
  PageLayout layout;
  layout.leftMargin = 90;
  layout.topMargin = 60;
  const struct {
    DuplexFlip flip;
    bool acrossMirrored;
    bool downMirrored;
  } cases[] = {{DuplexFlip::kLongEdge, true, false}, {DuplexFlip::kShortEdge, false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.flip));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("sheets.pdf"));
    SheetJob job{a4, layout, 300, 2, ColourPerCell()};
    job.backs = {c.flip, ColourPerCell(), {}};
    const PrintOutcome printed = WriteSheetsPdf(pdf.toStdString(), job, QString());
    ASSERT_TRUE(printed.Ok()) << printed.Message();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("/Type /Page\n"), 4);  // front, back, front, back
    const std::string command = "pdftoppm -r 300 -f 1 -l 2 -png " + pdf.toStdString() + " " +
                                folder.filePath(QStringLiteral("page")).toStdString();
    ASSERT_EQ(std::system(command.c_str()), 0);
    const QStringList pages = QDir(folder.path()).entryList({QStringLiteral("page-*.png")});
    ASSERT_EQ(pages.size(), 2);
    const QImage front = QImage(folder.filePath(pages[0])).convertToFormat(QImage::Format_RGB32);
    const QImage back = QImage(folder.filePath(pages[1])).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(front.size(), back.size());
    const std::vector<QRect> fronts = CellBoxes(front);
    const std::vector<QRect> backs = CellBoxes(back);
    for (int cell = 0; cell < kCells; ++cell) {
      SCOPED_TRACE(cell);
      const QRect f = fronts[cell];
      const QRect b = backs[cell];
      ASSERT_FALSE(f.isEmpty() || b.isEmpty());
      EXPECT_EQ(f.size(), b.size());
      // Mirrored across the page: the back's left edge is as far from the right as the front's
      // right edge, within a pixel.
      const int left = c.acrossMirrored ? front.width() - (f.right() + 1) : f.left();
      const int top = c.downMirrored ? front.height() - (f.bottom() + 1) : f.top();
      EXPECT_LE(std::abs(b.left() - left), 1) << b.left() << " " << left;
      EXPECT_LE(std::abs(b.top() - top), 1) << b.top() << " " << top;
    }
  }
}

TEST(DuplexBacks, AOneSidedJobPrintsNoBackPages) {
  test::EnsureGuiApplication();
  const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("sheets.pdf"));
  SheetJob job{papers[FindPaper(papers, QStringLiteral("A4"))], PageLayout{}, 300, 2,
               ColourPerCell()};
  job.backs.cards = ColourPerCell();  // given, but with no flip
  ASSERT_TRUE(WriteSheetsPdf(pdf.toStdString(), job, QString()).Ok());
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().count("/Type /Page\n"), 2);
}

}  // namespace
}  // namespace tavolo
