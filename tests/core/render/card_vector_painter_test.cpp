// The card painted into a PDF and rasterised again by poppler's pdftoppm at the print image's
// resolution, against the print image. The two rasterisers antialias and hint glyphs differently,
// so a band of two pixels around each glyph's edge is left out; all else must agree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <tuple>

#include "core/card/LayoutTable.h"
#include "core/render/CardVectorPainter.h"
#include "tests/core/TestFolders.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

// Mean absolute difference per colour byte, in 255ths, away from glyph edges: a pixel is left out
// when its 5 × 5 neighbourhood holds text (what recolouring the text changes) and not only text.
double MeanDifference(const QImage& a, const QImage& b, const QImage& recoloured) {
  const int w = a.width(), h = a.height();
  const auto text = [&](int x, int y) { return test::Rgb(b, x, y) != test::Rgb(recoloured, x, y); };
  double sum = 0;
  int64_t count = 0;
  for (int y = 2; y < h - 2; ++y) {
    for (int x = 2; x < w - 2; ++x) {
      int inText = 0;
      for (int v = -2; v <= 2; ++v)
        for (int u = -2; u <= 2; ++u) inText += text(x + u, y + v);
      if (inText > 0 && inText < 25) continue;
      const uint32_t p = test::Rgb(a, x, y), q = test::Rgb(b, x, y);
      for (int shift : {0, 8, 16})
        sum += std::abs(int((p >> shift) & 255) - int((q >> shift) & 255));
      count += 3;
    }
  }
  return sum / static_cast<double>(count);
}

TEST(PaintCard, RasterisedFromAPdfItMatchesThePrintImageAwayFromGlyphEdges) {
  test::EnsureGuiApplication();
  if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "pdftoppm is missing";
  test::TempFolder folder;
  BackgroundTable table;
  const auto stripes = [](uint32_t x, uint32_t y) { return (x % 50 << 17) | (y % 70 << 9) | x; };
  table.Append({}, test::MakePicture(531, 307, stripes), 0.0f);
  // Every layout's boxes in every frame mode, the gradient in each orientation, a tint, a QR code.
  for (const int layout : {0, 3, 5, 6}) {
    CardState card;
    std::tie(card.layoutIndex, card.bgBrightness, card.bgShift, card.gradScale,
             card.gradOrientation, card.hueShift) =
        std::tuple(layout, 0.8f, 0.1f, layout == 0 ? 1.0f : 0.4f, layout % 4, 0.1f);
    card.boxCount = FieldDistribution(layout, DefaultContactDetails(), card.lines);
    for (int box = 0; box < kTextBoxCount; ++box) {
      TextBoxStyle& s = card.styles[box];
      std::tie(s.size, s.brightness, s.frameMode, s.frameSize, s.opacity, s.frameColour) =
          std::tuple(QString::number(box == 0 ? 48 : 24), 0.2f, box % (kFrameCardLong + 1), 2 + box,
                     0.15f * box, HslColour{40.0f * box, 160.0f, 190.0f});
    }
    // Boxes aligned otherwise than their layout places them.
    if (layout == 5) {
      card.alignments.emplace();
      (*card.alignments)[1] = {HorizontalAlign::kRight, VerticalAlign::kMiddle};
      (*card.alignments)[2] = {HorizontalAlign::kCentre, VerticalAlign::kTop};
    }
    if (layout == 3)
      card.qrCode = PlacedQrCode{QrContent::kFreeText, QStringLiteral("tavolo"), 900, 450, 240};
    CardRenderer renderer(&table, folder.Path());
    const QImage printImage = renderer.Render(card, 1, kPrintWidth, kPrintHeight);
    for (TextBoxStyle& s : card.styles) s.brightness = 0.9f;
    const QImage recoloured = renderer.Render(card, 1, kPrintWidth, kPrintHeight);
    for (TextBoxStyle& s : card.styles) s.brightness = 0.2f;
    const QImage vector =
        test::CardThroughPdf(renderer, card, (folder.Path() / "card.pdf").string());
    ASSERT_EQ(vector.size(), printImage.size());
    const double difference = MeanDifference(vector, printImage, recoloured);
    std::cout << "layout " << layout + 1 << ": mean absolute difference " << difference << "/255\n";
    EXPECT_LE(difference, 3.0) << "layout " << layout + 1;
  }
}

}  // namespace
}  // namespace tavolo
