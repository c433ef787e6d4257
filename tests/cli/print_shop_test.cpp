// What a print shop gets from tavolo-cli: page boxes, bleed, crop marks, text that reads back,
// and PDF/X and CMYK.
#include <QImage>

#include <array>
#include <cstring>
#include <sstream>
#include <tuple>
#include <vector>

#include "core/card/CardState.h"
#include "tests/cli/CliRun.h"

namespace tavolo {
namespace {

constexpr double kPxPerMm = 300 / 25.4;

// A card of lines in black on the library's background, one box in a light frame.
CardState TextCard() {
  CardState card;
  card.cardWidth = 1004.0f;  // 85.01 × 55.03 mm at 300 dpi
  card.cardHeight = 650.0f;
  const char* lines[3][2] = {{"Forno Tavolo", ""},
                             {"Anna Rossi", "Head Baker"},
                             {"+39 06 1234 5678", "anna@forno.example"}};
  for (int box = 0; box < 3; ++box) {
    card.lines[box] = KeptLines(QStringList{lines[box][0], lines[box][1]});
    card.styles[box].brightness = 0.0f;
  }
  card.styles[1].frameMode = kFrameExact;
  card.styles[1].opacity = 0.8f;
  return card;
}

class CliPrintShop : public test::CliTest {};

// A page's boxes as pdfinfo reads them, in points from the page's bottom-left corner:
// MediaBox, BleedBox and TrimBox of each page.
using Box = std::array<double, 4>;
std::vector<std::array<Box, 3>> PageBoxes(const std::string& pdf) {
  const std::string info = test::RunShell("pdfinfo -box -f 1 -l 9 '" + pdf + "'").output;
  std::vector<std::array<Box, 3>> pages;
  std::istringstream lines(info);
  for (std::string line; std::getline(lines, line);) {
    const char* names[] = {"MediaBox:", "BleedBox:", "TrimBox:"};
    for (int which = 0; which < 3; ++which) {
      const size_t at = line.find(names[which]);
      if (at == std::string::npos) continue;
      if (which == 0) pages.emplace_back();
      Box& box = pages.back()[which];
      std::sscanf(line.c_str() + at + std::strlen(names[which]), "%lf %lf %lf %lf", &box[0],
                  &box[1], &box[2], &box[3]);
    }
  }
  return pages;
}

// A rectangle `inset` mm inside a page of `width` × `height` mm, in points.
Box Inside(double width, double height, double inset) {
  const double pt = 72 / 25.4;
  return {inset * pt, inset * pt, (width - inset) * pt, (height - inset) * pt};
}

// The page is the card with its bleed and the marks' room, cut at the card: exact to a hundredth
// of a point, on both pages of a two-sided card; a sheet's boxes are its paper's.
TEST_F(CliPrintShop, EveryPageSaysWhereItIsCutAndHowFarItsBleedReaches) {
  if (std::system("pdfinfo -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "no poppler-utils";
  CardState twoSided = TextCard();
  twoSided.back = CardBack(TextCard());
  const std::string card = Project(TextCard());
  const std::string both = Project(twoSided, "both.tvc");
  // arguments, pages; the page and how far in the bleed and the trim lie (mm)
  const double w = 1004 / kPxPerMm, h = 650 / kPxPerMm;  // the card, 85.01 × 55.03 mm
  const std::tuple<std::string, int, double, double, double, double> cases[] = {
      {"pdf '" + card + "'", 1, w, h, 0, 0},
      {"pdf '" + card + "' --bleed 3", 1, w + 6, h + 6, 0, 3},
      {"pdf '" + both + "' --bleed 2 --crop-marks", 2, w + 16, h + 16, 6, 8},
      {"pdf '" + both + "' --front-only", 1, w, h, 0, 0},
      {"print '" + card + "' --paper A4 --fit card --crop-marks", 1, 210, 297, 0, 0},
      {"print '" + card + "' --paper Letter --fit card", 1, 215.9, 279.4, 0, 0},
  };
  for (const auto& [arguments, count, width, height, bleed, trim] : cases) {
    const std::string pdf = Scratch("boxes.pdf");
    ASSERT_EQ(Run(arguments + " -o " + pdf).code, 0) << arguments;
    const auto pages = PageBoxes(pdf);
    ASSERT_EQ(pages.size(), static_cast<size_t>(count)) << arguments;
    for (const auto& boxes : pages) {
      const Box expected[] = {Inside(width, height, 0), Inside(width, height, bleed),
                              Inside(width, height, trim)};
      for (int which = 0; which < 3; ++which) {
        for (int i = 0; i < 4; ++i) {
          EXPECT_NEAR(boxes[which][i], expected[which][i], 0.01) << arguments << " box " << which;
        }
      }
    }
  }
}

TEST_F(CliPrintShop, CropMarksLieOnTheCutLinesOutsideTheBleed) {
  if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "no poppler-utils";
  const std::string marked = Scratch("marked");
  ASSERT_EQ(
      Run("pdf '" + Project(TextCard()) + "' -o " + marked + ".pdf --bleed 2 --crop-marks").code,
      0);
  ASSERT_EQ(test::RunShell("pdftoppm -png -r 300 -singlefile " + marked + ".pdf " + marked).code,
            0);
  const QImage page(QString::fromStdString(marked + ".png"));
  ASSERT_FALSE(page.isNull());
  // The cut lies 2 + 1 + 5 mm in: marks end 1 mm outside the 2 mm bleed.
  const double cut = 8 * kPxPerMm;
  const double right = cut + 85 * kPxPerMm;
  const auto darkAt = [&](double x, double y) {
    const int cx = static_cast<int>(x), cy = static_cast<int>(y);
    for (const QPoint p : {QPoint(cx, cy), QPoint(cx + 1, cy), QPoint(cx, cy + 1),
                           QPoint(cx - 1, cy), QPoint(cx, cy - 1)}) {
      if (qGray(page.pixel(p)) < 128) return true;
    }
    return false;
  };
  const double markMiddle = 2.5 * kPxPerMm;  // half way along a mark from the page's edge
  EXPECT_TRUE(darkAt(markMiddle, cut)) << "the top cut, left of the card";
  EXPECT_TRUE(darkAt(cut, markMiddle)) << "the left cut, above the card";
  EXPECT_TRUE(darkAt(right, markMiddle)) << "the right cut, above the card";
  EXPECT_TRUE(darkAt(page.width() - markMiddle, cut)) << "the top cut, right of the card";
  EXPECT_FALSE(darkAt(cut, cut - 2.5 * kPxPerMm)) << "nothing between the mark and the bleed";
  EXPECT_FALSE(darkAt(markMiddle, markMiddle)) << "nothing off the cut lines";
}

// A card's lines with spaces, accents and letters a font joins or swaps ("ff", "fi", and EB
// Garamond's italic "f"), read back by poppler and by Ghostscript exactly as typed, front and back.
TEST_F(CliPrintShop, TextReadsBackAsTyped) {
  if (std::system("pdftotext -v > /dev/null 2>&1 && gs -v > /dev/null 2>&1") != 0) {
    GTEST_SKIP() << "no poppler-utils or Ghostscript";
  }
  CardState card = TextCard();
  const QStringList lines[3] = {{"Caffè Crème & Brûlée", "Office Affiliates"},
                                {"Chief of fluffy soufflés", "Ærøskøbing, Straße 5"},
                                {"fiddly flowers", "Ñandú – naïve café"}};
  for (int box = 0; box < 3; ++box) card.lines[box] = KeptLines(lines[box]);
  std::tie(card.styles[1].face, card.styles[1].style) = std::tuple("EB Garamond", "Italic");
  card.back = CardBack(card);
  const std::string pdf = Scratch("text.pdf");
  ASSERT_EQ(Run("pdf '" + Project(card) + "' -o " + pdf).code, 0);
  for (const char* reader : {"pdftotext -f %1 -l %1 '%2' -",
                             "gs -q -dNOPAUSE -dBATCH -dFirstPage=%1 -dLastPage=%1 "
                             "-sDEVICE=txtwrite -sOutputFile=- '%2'"}) {
    for (const int page : {1, 2}) {
      const QString command =
          QString::fromLatin1(reader).arg(page).arg(QString::fromStdString(pdf));
      const QString text = QString::fromStdString(test::RunShell(command.toStdString()).output);
      QStringList read;
      for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) read << line.trimmed();
      }
      QStringList typed = lines[0] + lines[1] + lines[2];
      read.sort();
      typed.sort();
      EXPECT_EQ(read, typed) << command.toStdString();
    }
  }
}

// PDF/X-4 in RGB and in a print shop's CMYK pass qpdf's check and Ghostscript without a warning;
// in CMYK nothing is left in RGB.
TEST_F(CliPrintShop, PdfXAndCmykPassPreflightChecks) {
  const std::string cmyk = "/usr/share/color/icc/ghostscript/default_cmyk.icc";
  if (std::system("qpdf --version > /dev/null 2>&1 && gs -v > /dev/null 2>&1") != 0 ||
      !std::filesystem::exists(cmyk)) {
    GTEST_SKIP() << "no qpdf, Ghostscript or Ghostscript's CMYK profile";
  }
  const std::string project = Project(TextCard());
  // arguments, whether CMYK
  const std::tuple<std::string, bool> cases[] = {
      {"pdf '" + project + "' --bleed 3 --crop-marks --pdfx", false},
      {"pdf '" + project + "' --bleed 3 --cmyk " + cmyk, true},
      {"print '" + project + "' --paper A4 --fit card --sheets 2 --cmyk " + cmyk, true},
  };
  for (const auto& [arguments, inInk] : cases) {
    const std::string pdf = Scratch("x.pdf");
    ASSERT_EQ(Run(arguments + " -o " + pdf).code, 0) << arguments;
    EXPECT_EQ(test::RunShell("qpdf --check " + pdf + " > /dev/null").code, 0) << arguments;
    const test::ShellOutcome gs = test::RunShell(
        "gs -q -dNOPAUSE -dBATCH -dPDFSTOPONERROR -dPDFSTOPONWARNING -sDEVICE=nullpage " + pdf +
        " 2>&1");
    EXPECT_EQ(gs.code, 0) << arguments << gs.output;
    EXPECT_EQ(gs.output, "") << arguments;
    const std::string plain =
        test::RunShell("qpdf --qdf --object-streams=disable " + pdf + " -").output;
    for (const char* mark :
         {"<pdfxid:GTS_PDFXVersion>PDF/X-4<", "/S /GTS_PDFX", "/Trapped /False"}) {
      EXPECT_NE(plain.find(mark), std::string::npos) << arguments << ": no " << mark;
    }
    EXPECT_EQ(plain.find("/DeviceRGB") == std::string::npos, inInk) << arguments;
    if (!inInk) continue;
    const std::string pictures = test::RunShell("pdfimages -list " + pdf + " | tail -n +3").output;
    EXPECT_FALSE(pictures.empty());
    EXPECT_EQ(pictures.find(" rgb "), std::string::npos) << pictures;
  }
  // A profile that is no CMYK profile, or no file, is refused before anything is written.
  for (const std::string& profile :
       {std::string("/usr/share/color/icc/sRGB.icc"), Scratch("missing.icc")}) {
    const test::ShellOutcome refused =
        Run("pdf '" + project + "' -o " + Scratch("no.pdf") + " --cmyk " + profile);
    EXPECT_EQ(refused.code, 1) << refused.output;
    EXPECT_FALSE(std::filesystem::exists(Scratch("no.pdf")));
  }
}

}  // namespace
}  // namespace tavolo
