// A card holding any value a project file can carry renders without a fault and without a failed
// check: each field the renderer reads takes each hostile value in turn. The sanitizer build runs
// these tables under UndefinedBehaviorSanitizer, where an overflow in the arithmetic fails them.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/card/BackgroundTable.h"
#include "core/card/LayoutTable.h"
#include "core/render/CardRenderer.h"
#include "tests/core/TestFolders.h"
#include "tests/core/render/HostileValues.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

using test::MakePicture;

class HostileValues : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureGuiApplication();
    table_.Append({}, MakePicture(64, 40, [](uint32_t x, uint32_t y) { return x * 3 + y * 0x400; }),
                  0.0f);
    for (const char* name : {"photo.bmp", "logo.bmp"}) {
      RasterImage picture =
          MakePicture(30, 20, [](uint32_t x, uint32_t y) { return 0x10000u * x + y; });
      ASSERT_TRUE(picture.Save(folder_ / name, kFormatBmp));
    }
    card_.boxCount = FieldDistribution(0, DefaultContactDetails(), card_.lines);
    std::tie(card_.gradScale, card_.bgShift, card_.hueShift) = std::tuple(0.5f, 0.2f, 0.1f);
    PlacedPicture& photo = card_.photo;
    std::tie(photo.name, photo.width, photo.height, photo.trimLeft) =
        std::tuple(QStringLiteral("photo.bmp"), 30, 20, 0.5f);
    std::tie(card_.logo.name, card_.logo.angle) = std::tuple(QStringLiteral("logo.bmp"), 30);
    for (TextBoxStyle& s : card_.styles) s.frameMode = kFrameExact;
  }

  // Renders the card with each gradient orientation in turn, at the preview's size.
  void ExpectRendersCleanly(const CardState& card, const std::string& what) {
    test::ReportRecorder reports;
    CardRenderer renderer(&table_, folder_.Path());
    CardState oriented = card;
    oriented.gradOrientation = orientation_++ % 4;
    const QImage drawn = renderer.Render(oriented, 6, 177, 102);
    EXPECT_EQ(drawn.size(), QSize(177, 102)) << what;
    EXPECT_TRUE(reports.Reports().empty()) << what << ": " << reports.Reports().front();
  }

  BackgroundTable table_;
  test::TempFolder folder_;
  CardState card_;
  int orientation_ = 0;
};

TEST_F(HostileValues, EveryRenderedFloatTakesEveryHostileValue) {
  for (const test::FloatField& field : test::RenderedFloatFields()) {
    for (const float value : test::kHostileFloats) {
      CardState card = card_;
      field.set(card, value);
      ExpectRendersCleanly(card, std::string(field.name) + " = " + std::to_string(value));
    }
  }
}

TEST_F(HostileValues, TheGradientTakesEveryPairOfHostileShiftAndScale) {
  for (const float shift : test::kHostileFloats) {
    for (const float scale : test::kHostileFloats) {
      for (int pass = 0; pass < 4; ++pass) {
        CardState card = card_;
        card.bgShift = shift;
        card.gradScale = scale;
        ExpectRendersCleanly(
            card, "bgShift = " + std::to_string(shift) + ", gradScale = " + std::to_string(scale));
      }
    }
  }
}

TEST_F(HostileValues, EveryRenderedIntegerTakesEveryHostileValue) {
  for (const test::IntField& field : test::RenderedIntFields()) {
    for (const int32_t value : test::kHostileInts) {
      CardState card = card_;
      field.set(card, value);
      ExpectRendersCleanly(card, std::string(field.name) + " = " + std::to_string(value));
    }
  }
  // The print image carries the dpi into the image's resolution.
  for (const int32_t dpi : test::kHostileInts) {
    CardState card = card_;
    card.dpi = dpi;
    CardRenderer renderer(&table_, folder_.Path());
    const RasterImage print = renderer.RenderPrintImage(card);
    EXPECT_EQ(print.GetWidth(), 1062u);
    EXPECT_GE(print.GetXPelsPerMeter(), 0) << dpi;
  }
}

}  // namespace
}  // namespace tavolo
