// tavolo-cli print, run as a user runs it, on every shipped sheet product and on bad input.
#include <QImage>
#include <QPainter>

#include <fstream>
#include <vector>

#include "core/print/PageLayoutFile.h"
#include "core/print/PaperChange.h"
#include "core/print/SheetCatalogue.h"
#include "core/print/SheetCatalogueFile.h"
#include "core/print/SheetGrid.h"
#include "tests/cli/CliRun.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

const fs::path kBin = TAVOLO_BIN_DIR;
constexpr int kCardDpi = 300;
constexpr int kBand = 40;  // print pixels of each coloured edge of the test card

// The test card: each edge its own colour, so a card's edges show even where cards touch, and a
// disc in the middle that must stay round.
enum Band { kPaper, kLeft, kRight, kTop, kBottom, kInside, kDisc, kBandCount };
constexpr QRgb kBandColour[kBandCount] = {0xFFFFFFFF, 0xFFFF0000, 0xFFFFFF00, 0xFF00FF00,
                                          0xFFFF00FF, 0xFF0000FF, 0xFF000000};

QImage EdgeCard(int width, int height) {
  QImage card(width, height, QImage::Format_RGB32);
  card.fill(kBandColour[kInside]);
  QPainter painter(&card);
  painter.fillRect(0, 0, width, kBand, kBandColour[kTop]);
  painter.fillRect(0, height - kBand, width, kBand, kBandColour[kBottom]);
  painter.fillRect(0, 0, kBand, height, kBandColour[kLeft]);
  painter.fillRect(width - kBand, 0, kBand, height, kBandColour[kRight]);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(kBandColour[kDisc]));
  painter.drawEllipse(QPointF(width / 2.0, height / 2.0), height / 4.0, height / 4.0);
  return card;
}

// The band nearest in colour to the page's pixel; paper beyond the page.
Band At(const QImage& page, int x, int y) {
  if (!page.rect().contains(x, y)) return kPaper;
  const QRgb p = page.pixel(x, y);
  int best = kPaper;
  int bestDistance = 1 << 30;
  for (int b = 0; b < kBandCount; ++b) {
    const int dr = qRed(p) - qRed(kBandColour[b]);
    const int dg = qGreen(p) - qGreen(kBandColour[b]);
    const int db = qBlue(p) - qBlue(kBandColour[b]);
    if (dr * dr + dg * dg + db * db < bestDistance) {
      best = b;
      bestDistance = dr * dr + dg * dg + db * db;
    }
  }
  return static_cast<Band>(best);
}

// The first pixel of `band` scanning from `from` by `step` (±1) across at most 16 pixels along a
// row (across) or a column; -1 when there is none.
int FindBand(const QImage& page, Band band, bool across, int line, int from, int step) {
  for (int i = 0, at = from; i < 16; ++i, at += step) {
    if ((across ? At(page, at, line) : At(page, line, at)) == band) return at;
  }
  return -1;
}

// The length of `band` along a row (across) or a column through (x, y), within `reach` pixels.
int BandLength(const QImage& page, Band band, bool across, int x, int y, int reach) {
  int length = 0;
  for (int i = -reach; i <= reach; ++i) {
    length += At(page, across ? x + i : x, across ? y : y + i) == band;
  }
  return length;
}

// The card is a photo covering it whole.
class CliPrint : public test::CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    project_ = EdgeProject(1062, 615);
  }

  // A project whose card of width × height print pixels at 300 dpi is the edge card.
  std::string EdgeProject(int width, int height) const {
    const std::string name = "edges" + std::to_string(width) + "x" + std::to_string(height);
    EXPECT_TRUE(
        EdgeCard(width, height)
            .save(QString::fromStdString((home_ / "customphotos" / name).string() + ".png")));
    CardState card;
    card.cardWidth = static_cast<float>(width);
    card.cardHeight = static_cast<float>(height);
    card.photo.name = QString::fromStdString(name + ".png");
    card.photo.width = card.cardWidth;
    card.photo.height = card.cardHeight;
    card.photo.x = card.cardWidth / 2;
    card.photo.y = card.cardHeight / 2;
    return Project(card, name + ".tvc");
  }

  std::string Cli(const std::string& arguments, const std::string& project = {}) const {
    return Command("print '" + (project.empty() ? project_ : project) + "' " + arguments);
  }
  test::ShellOutcome Run(const std::string& arguments) const {
    return test::RunShell(Cli(arguments) + " 2>&1");
  }

  std::string project_;
};

struct SheetCase {
  std::string what;
  std::string options;  // --layout
  PageLayout layout;
  Paper paper;
  std::string project;  // with a card of the layout's size
};

TEST_F(CliPrint, EveryCardLiesWithinAPixelOfItsRectangleOnEverySheetAndStaysRound) {
  if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) {
    GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  }
  const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
  std::vector<SheetCase> cases;
  // Shipped sheets of each kind: in inches on Letter, touching or apart, in millimetres on A4,
  // one long card across, round corners.
  for (const char* name :
       {"Avery 5371 Business Cards (Letter)", "Southworth BC554 Business Cards (Letter)",
        "Avery C32011 Business Cards (A4)", "Avery J8414 Business Cards (A4)",
        "Herma 5028 Business Cards (A4)", "Rayfilm VIZ2 Folding Business Cards (A4)",
        "Your Design VM-5112 Membership Cards (A4)", "Geha P68 Business Cards (A4)"}) {
    const fs::path file = kBin / "abctmp" / (std::string(name) + ".ptm");
    const Outcome<PageLayout> read = ReadPageLayoutFile(file);
    ASSERT_TRUE(read.Ok()) << read.Message();
    const int paper = FindPaperById(papers, read.Value().paper);
    ASSERT_GE(paper, 0) << file;
    const PageLayout& layout = read.Value();
    cases.push_back(
        {name, "--layout '" + file.string() + "'", layout, papers[paper],
         EdgeProject(static_cast<int>(layout.cardWidth), static_cast<int>(layout.cardHeight))});
  }
  // A product by the part number on its box, from the shipped catalogue.
  fs::copy(kBin / "sheets", home_ / "sheets");
  const SheetCatalogueListing catalogue = ReadSheetCatalogue(kBin / "sheets");
  const std::vector<size_t> clean = FindByPartNumber(catalogue.products, "Avery 5881");
  ASSERT_EQ(clean.size(), 1u);
  const PageLayout cleanEdge = LayoutOf(catalogue.products[clean.front()], kCardDpi);
  cases.push_back(
      {"by part number", "--layout 'Avery 5881'", cleanEdge,
       papers[FindPaperById(papers, cleanEdge.paper)],
       EdgeProject(static_cast<int>(cleanEdge.cardWidth), static_cast<int>(cleanEdge.cardHeight))});
  // A predefined layout by its name in another case; without --layout the cards are centred as
  // the print dialog centres them on a new paper.
  fs::copy(kBin / "abctmp", home_ / "abctmp");
  const SheetCase named = cases.front();
  cases.push_back({"by name in upper case",
                   "--layout '" + named.layout.name.toUpper().toStdString() + "'", named.layout,
                   named.paper, named.project});
  const Paper& a4 = papers[FindPaper(papers, QStringLiteral("A4"))];
  PageLayout centred;
  ApplyPaperChange(centred, a4, kCardDpi);
  cases.push_back({"centred on A4", "--paper A4", centred, a4, project_});
  // Moved by the printer's offset, and nothing else.
  PageLayout moved = centred;
  moved.leftMargin += 1.5f / 25.4f * kCardDpi;
  moved.topMargin -= 2.0f / 25.4f * kCardDpi;
  cases.push_back({"offset 1.5,-2", "--paper A4 --offset 1.5,-2", moved, a4, project_});

  // All sheets printed and rendered at once: the two processors share the work.
  std::string script;
  for (size_t i = 0; i < cases.size(); ++i) {
    const std::string sheet = Scratch("sheet" + std::to_string(i));
    script += "(" + Cli("-o " + sheet + ".pdf " + cases[i].options, cases[i].project) +
              " && pdftoppm -png -r 300 -f 1 -l 1 -singlefile " + sheet + ".pdf " + sheet + ") &\n";
  }
  const test::ShellOutcome run = test::RunShell(script + "wait\n");
  ASSERT_EQ(run.code, 0) << run.output;

  for (size_t i = 0; i < cases.size(); ++i) {
    const SheetCase& c = cases[i];
    const QImage page(QString::fromStdString(Scratch("sheet" + std::to_string(i) + ".png")));
    ASSERT_FALSE(page.isNull()) << c.what;
    // The page is the paper's exact size (A4 is 595.28 × 841.89 points), to a pixel.
    const QSizeF paperMm = c.paper.pageSize.size(QPageSize::Millimeter);
    EXPECT_NEAR(page.width(), paperMm.width() * 300 / 25.4, 1) << c.what;
    EXPECT_NEAR(page.height(), paperMm.height() * 300 / 25.4, 1) << c.what;

    const SheetPlacement placement = PlaceCards(c.layout, c.paper.WholeMm(), kCardDpi, 300);
    ASSERT_GE(placement.cards.size(), 5u) << c.what;
    const QPoint centre = placement.cards.front().center().toPoint();
    const int reach = static_cast<int>(c.layout.cardHeight / 3);
    const double across = BandLength(page, kDisc, true, centre.x(), centre.y(), reach);
    const double down = BandLength(page, kDisc, false, centre.x(), centre.y(), reach);
    EXPECT_NEAR(across / down, 1.0, 0.01) << c.what << ": the disc is " << across << " x " << down;
    for (const QRectF& card : placement.cards) {
      const int row = static_cast<int>(card.center().y());
      const int column = static_cast<int>(card.center().x());
      // Each edge's band is looked for from 8 pixels outside the card inwards.
      const std::tuple<const char*, double, int> edges[] = {
          {"left", card.left(), FindBand(page, kLeft, true, row, int(card.left()) - 8, 1)},
          {"right", card.right(), FindBand(page, kRight, true, row, int(card.right()) + 8, -1) + 1},
          {"top", card.top(), FindBand(page, kTop, false, column, int(card.top()) - 8, 1)},
          {"bottom", card.bottom(),
           FindBand(page, kBottom, false, column, int(card.bottom()) + 8, -1) + 1},
      };
      for (const auto& [edge, expected, found] : edges) {
        EXPECT_NEAR(found, expected, 1.0) << c.what << ": the " << edge << " edge of the card at "
                                          << card.x() << ", " << card.y();
      }
    }
  }
}

// A logo drawn as SVG (a blue square in the card's middle) is shapes in the PDF, no picture, yet
// the sheet shows it; the rendered card shows it too.
TEST_F(CliPrint, AnSvgLogoIsNoPictureInThePdfAndIsDrawnOnTheCard) {
  if (std::system("pdfimages -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "no poppler-utils";
  std::ofstream(home_ / "customphotos/mark.svg")
      << R"(<svg xmlns="http://www.w3.org/2000/svg" width="96" height="96">)"
         R"(<rect x="8" y="8" width="80" height="80" fill="#0000ff"/></svg>)";
  CardState card;
  card.logo.name = QStringLiteral("mark.svg");
  card.logo.width = card.logo.height = 300;
  card.logo.x = 531;
  card.logo.y = 307;
  const std::string project = Project(card, "logo.tvc"), pdf = Scratch("logo.pdf");
  ASSERT_EQ(test::RunShell(Command("print '" + project + "' --strict -o " + pdf)).code, 0);
  const std::string list = "pdfimages -list " + pdf + " | awk 'NR > 2 { print $11 }'";
  EXPECT_EQ(test::RunShell(list + " | sort -u | wc -l").output, "1\n");  // the background
  ASSERT_EQ(test::RunShell("pdftoppm -png -r 75 -singlefile " + pdf + " " + Scratch("s")).code, 0);
  ASSERT_EQ(test::RunShell(Command("render '" + project + "' -o " + Scratch("c.png"))).code, 0);
  for (const char* png : {"s.png", "c.png"}) {
    const QImage image(QString::fromStdString(Scratch(png)));
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) blue += image.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_GT(blue, 1000) << png;
  }
}

TEST_F(CliPrint, BadPapersLayoutsAndCountsFailWithAMessageAndNoFile) {
  PageLayout overlapping;
  overlapping.horizontalPitch = 1061;
  overlapping.paper = 9;
  ASSERT_TRUE(WritePageLayoutFile(home_ / "overlap.ptm", overlapping).Ok());
  ASSERT_TRUE(test::WriteFileBytes(home_ / "cut.ptm", {0, 0, 0, 0, 1, 2}));
  PageLayout unknownPaper;
  unknownPaper.paper = 4321;
  ASSERT_TRUE(WritePageLayoutFile(home_ / "odd paper.ptm", unknownPaper).Ok());

  const std::tuple<std::string, int, const char*> cases[] = {
      {"--paper Tabloid2", 2, "no paper is named 'Tabloid2'"},
      {"--layout 'No Such Sheet'", 2, "no page layout is named 'No Such Sheet'"},
      {"--layout " + (home_ / "cut.ptm").string(), 1, "is damaged: the file ends inside"},
      {"--layout /etc/passwd", 1, "/etc/passwd is not a page layout."},
      {"--layout '" + (home_ / "odd paper.ptm").string() + "'", 2, "paper 4321 is not known"},
      {"--layout " + (home_ / "overlap.ptm").string(), 1,
       "Card height and width should not be more than pitch values"},
      {"--sheets 1001", 2, "--sheets must be a number from 1 to 1000"},
      {"--sheets", 2, "--sheets needs a value"},
      {"--colour red", 2, "unknown option '--colour'"},
      {"--fit page", 2, "--fit must be sheet or card"},
      {"--bleed 6", 2, "--bleed must be a number of millimetres from 0 to 5"},
      {"--offset 1.5", 2, "--offset must be X,Y in millimetres"},
      {"--offset 11,0", 2, "--offset must be X,Y in millimetres"},
      {"--paper A4 --bleed 1", 1, "No room for a bleed of 1 mm between the cards"},
      {"--layout '" + (kBin / "abctmp/Avery C32011 Business Cards (A4).ptm").string() + "'", 1,
       "the card is 89.9 × 52.1 mm, the sheet's cards 85.0 × 54.0 mm. Give --fit sheet"},
  };
  const fs::path pdf = home_ / "out.pdf";
  for (const auto& [options, code, says] : cases) {
    const test::ShellOutcome run = Run("-o " + pdf.string() + " " + options);
    EXPECT_EQ(run.code, code) << options << "\n" << run.output;
    EXPECT_TRUE(test::Says(run, says)) << options;
    EXPECT_FALSE(fs::exists(pdf)) << options;
  }
  EXPECT_EQ(Run("--paper A4").code, 2);  // no output named
}

}  // namespace
}  // namespace tavolo
