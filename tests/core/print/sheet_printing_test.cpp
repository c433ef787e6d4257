// Sheets painted onto a paged device, as the print job and the PDF writer use it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPdfWriter>

#include <utility>
#include <vector>

#include "core/print/SheetPrinting.h"
#include "tests/core/card/RenderTestSupport.h"

namespace tavolo {
namespace {

QImage SolidCard() {
  QImage card(1062, 615, QImage::Format_RGB32);
  card.fill(Qt::darkCyan);
  return card;
}

TEST(PrintSheets, PaintsEachSheetAfterAskingAndStopsWhenTold) {
  test::EnsureGuiApplication();
  const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
  const Paper& a4 = papers[FindPaper(papers, QStringLiteral("A4"))];
  PageLayout overlapping;
  overlapping.verticalPitch = 600;
  const struct {
    const char* what;
    QImage card;
    PageLayout layout;
    int sheets;
    int stopAt;  // the progress answers false here; -1 never
    bool ok;
    bool cancelled;
    int asked;  // progress calls
    int pages;  // pages in the PDF
  } cases[] = {
      {"three sheets", SolidCard(), PageLayout{}, 3, -1, true, false, 3, 3},
      {"cancelled before the third", SolidCard(), PageLayout{}, 3, 2, false, true, 3, 2},
      {"cancelled at once", SolidCard(), PageLayout{}, 3, 0, false, true, 1, 1},
      {"no card fits", SolidCard(), overlapping, 3, -1, false, false, 0, 0},
      {"no print image", QImage(), PageLayout{}, 3, -1, false, false, 0, 0},
      {"no sheet", SolidCard(), PageLayout{}, 0, -1, false, false, 0, 0},
  };
  for (const auto& c : cases) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    int asked = 0;
    SheetPrintResult printed;
    {
      QPdfWriter writer(&buffer);
      printed = PrintSheets(writer, SheetRenderer(c.card), c.layout, a4, 300, c.sheets,
                            [&](int done, int sheets) {
                              EXPECT_EQ(done, asked) << c.what;
                              EXPECT_EQ(sheets, c.sheets) << c.what;
                              ++asked;
                              return done != c.stopAt;
                            });
    }
    EXPECT_EQ(printed.ok, c.ok) << c.what;
    EXPECT_EQ(printed.cancelled, c.cancelled) << c.what;
    EXPECT_EQ(printed.message.empty(), c.ok) << c.what;
    EXPECT_EQ(asked, c.asked) << c.what;
    EXPECT_EQ(pdf.count("/Type /Page\n"), c.pages) << c.what;
  }
}

}  // namespace
}  // namespace tavolo
