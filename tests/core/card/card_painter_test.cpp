// The card painted as shapes and text into a PDF, rasterised again by poppler's pdftoppm at the
// print image's resolution, against the print image itself. Text is antialiased and hinted
// differently by the two rasterisers, so a band of two pixels around each glyph's edge is left out
// of the comparison; everything else (background, gradient ramps, frames, pictures, glyph
// interiors, QR modules) must agree.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "core/card/BackgroundTable.h"
#include "core/card/CardPainter.h"
#include "core/card/CardRenderer.h"
#include "core/card/LayoutTable.h"
#include "core/card/QrCodeChunk.h"
#include "tests/core/TestFolders.h"
#include "tests/core/card/RenderTestSupport.h"

namespace tavolo {
namespace {

using test::MakePicture;

constexpr int kDpi = 300;

QImage RasterisedPdf(CardRenderer& renderer, const CardState& card,
                     const std::filesystem::path& folder) {
  const std::filesystem::path pdf = folder / "card.pdf";
  {
    QPdfWriter writer(QString::fromStdString(pdf.string()));
    writer.setResolution(kDpi);
    writer.setPageSize(
        QPageSize(QSizeF(kPrintWidth * 72.0 / kDpi, kPrintHeight * 72.0 / kDpi), QPageSize::Point));
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    PaintCard(renderer, painter, QRectF(0, 0, kPrintWidth, kPrintHeight), card);
  }
  const std::filesystem::path png = folder / "card";
  // A page is a whole number of points, so it reaches a little past the card: only the card is
  // rasterised.
  const std::string command = "pdftoppm -r " + std::to_string(kDpi) + " -W " +
                              std::to_string(kPrintWidth) + " -H " + std::to_string(kPrintHeight) +
                              " -png -singlefile '" + pdf.string() + "' '" + png.string() + "'";
  if (std::system(command.c_str()) != 0) return {};
  return QImage(QString::fromStdString(png.string() + ".png"))
      .convertToFormat(QImage::Format_RGB32);
}

// The pixels near a glyph's edge: where the text in another colour changes the card, the pixels
// whose 3 × 3 neighbourhood is partly text, and one more pixel around those.
std::vector<bool> GlyphEdges(const QImage& card, const QImage& recoloured) {
  const int w = card.width(), h = card.height();
  std::vector<bool> text(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      text[y * w + x] = test::Rgb(card, x, y) != test::Rgb(recoloured, x, y);
  }
  const auto grow = [&](const std::vector<bool>& from, bool onlyMixed) {
    std::vector<bool> to(from.size());
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        bool any = false, all = true;
        for (int v = std::max(y - 1, 0); v <= std::min(y + 1, h - 1); ++v) {
          for (int u = std::max(x - 1, 0); u <= std::min(x + 1, w - 1); ++u) {
            any = any || from[v * w + u];
            all = all && from[v * w + u];
          }
        }
        to[y * w + x] = onlyMixed ? any && !all : any;
      }
    }
    return to;
  };
  return grow(grow(text, true), false);
}

// Mean absolute difference per colour byte, in 255ths, over the pixels away from glyph edges.
double MeanDifference(const QImage& a, const QImage& b, const std::vector<bool>& edges) {
  double sum = 0;
  int64_t count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (edges[y * a.width() + x]) continue;
      const uint32_t p = test::Rgb(a, x, y), q = test::Rgb(b, x, y);
      for (int shift : {0, 8, 16})
        sum += std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF));
      count += 3;
    }
  }
  return count > 0 ? sum / count : 0;
}

CardState Styled(int layoutIndex) {
  CardState card;
  card.layoutIndex = layoutIndex;
  card.backgroundIndex = 0;
  card.boxCount = FieldDistribution(layoutIndex, DefaultNamedValues(), card.lines);
  for (int box = 0; box < kTextBoxCount; ++box) {
    TextBoxStyle& s = card.styles[box];
    s.size = QString::number(box == 0 ? 48 : 24);
    s.style = box == 0 ? QStringLiteral("Bold") : QStringLiteral("Regular");
    s.textColour = {150.0f, 120.0f, 0.0f};
    s.brightness = 0.2f;
    s.frameMode = box % (kFrameCardLong + 1);
    s.frameSize = 2 + box;
    s.opacity = 0.15f * box;
    s.fillColour = {40.0f * box, 160.0f, 190.0f};
  }
  card.backgroundColour = {20.0f * layoutIndex, 150.0f, 0.0f};
  card.bgBrightness = 0.8f;
  card.bgShift = 0.1f;
  card.gradScale = 0.4f;
  return card;
}

TEST(PaintCard, RasterisedFromAPdfItMatchesThePrintImageAwayFromGlyphEdges) {
  test::EnsureGuiApplication();
  if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "pdftoppm is missing";
  test::TempFolder folder;
  BackgroundTable table;
  table.Append({},
               MakePicture(531, 307,
                           [](uint32_t x, uint32_t y) {
                             return static_cast<uint32_t>(((200 + x % 50) << 16) |
                                                          ((180 + y % 70) << 8) |
                                                          (230 - x * 60 / 531));
                           }),
               0.0f);
  CardState withCode = Styled(3);
  withCode.gradOrientation = kGradLeftToRight;
  withCode.hueShift = 0.1f;
  SetQrCode(withCode, PlacedQrCode{QrContent::kFreeText, QStringLiteral("tavolo"), 900, 450, 240});
  CardState rotated = Styled(6);
  rotated.gradOrientation = kGradBottomToTop;
  CardState rightToLeft = Styled(0);
  rightToLeft.gradOrientation = kGradRightToLeft;
  rightToLeft.gradScale = 1.0f;
  for (const CardState& card : {Styled(5), withCode, rotated, rightToLeft}) {
    CardRenderer renderer(&table, folder.Path());
    const QImage printImage = renderer.Render(card, 1, kPrintWidth, kPrintHeight);
    CardState recoloured = card;
    for (TextBoxStyle& s : recoloured.styles) s.brightness = 0.9f;
    const QImage other = renderer.Render(recoloured, 1, kPrintWidth, kPrintHeight);
    const QImage vector = RasterisedPdf(renderer, card, folder.Path());
    ASSERT_EQ(vector.size(), printImage.size());
    const double difference = MeanDifference(vector, printImage, GlyphEdges(printImage, other));
    std::cout << "layout " << card.layoutIndex + 1 << ": mean absolute difference " << difference
              << "/255\n";
    EXPECT_LE(difference, 3.0) << "layout " << card.layoutIndex + 1;
  }
}

}  // namespace
}  // namespace tavolo
