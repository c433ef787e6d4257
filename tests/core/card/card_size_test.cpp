// The card's size: the pixels it may have, its size in the card properties dialog's units and
// the resolutions that dialog offers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/card/CardLimits.h"
#include "core/card/CardSize.h"
#include "tests/core/card/RenderTestSupport.h"

namespace tavolo {
namespace {

TEST(CardLimits, ACardIsOneTo10000PixelsASideAndAtMost64Megapixels) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    float width;
    float height;
    int drawnWidth;  // 0: refused
    int drawnHeight;
    const char* problem;
  };
  const Case cases[] = {
      {1062.9f, 615.5f, 1062, 615, ""},
      {10000, 6710, 10000, 6710, ""},
      {8192, 8192, 8192, 8192, ""},
      {0.5f, 615, 0, 0, "the card is 0.5 x 615 pixels; a card needs at least 1 pixel a side"},
      {nan, 615, 0, 0, "the card is nan x 615 pixels; a card needs at least 1 pixel a side"},
      {10001, 1, 0, 0,
       "the card is 10001 x 1 pixels; a card is at most 10000 pixels a side and 64 megapixels"},
      {inf, 615, 0, 0,
       "the card is inf x 615 pixels; a card is at most 10000 pixels a side and 64 megapixels"},
      {8193, 8193, 0, 0,
       "the card is 8193 x 8193 pixels; a card is at most 10000 pixels a side and 64 megapixels"},
  };
  for (const Case& c : cases) {
    const CardPixelSize size = CardPixels(c.width, c.height);
    EXPECT_EQ(size.problem, c.problem) << c.width << " x " << c.height;
    EXPECT_EQ(size.Ok(), c.drawnWidth > 0);
    EXPECT_EQ(size.width, c.drawnWidth);
    EXPECT_EQ(size.height, c.drawnHeight);
  }
}

TEST(CardSize, PixelsShownInEachUnitAndBack) {
  struct Case {
    float pixels;
    int unit;
    float dpi;
    float shown;
  };
  const Case cases[] = {
      {1062, kUnitInches, 300, 3.54f}, {1062, kUnitMm, 300, 89.916f},
      {1062, kUnitCm, 300, 8.9916f},   {1062, kUnitPixels, 300, 1062},
      {1062, kUnitInches, 600, 1.77f},
  };
  for (const Case& c : cases) {
    EXPECT_FLOAT_EQ(PixelsToShown(c.pixels, c.unit, c.dpi), c.shown) << c.unit << " " << c.dpi;
  }
  EXPECT_NEAR(ShownToPixels(2, kUnitCm, 300), 236.22f, 0.01f);
  EXPECT_FLOAT_EQ(ShownToPixels(2, kUnitCm, 300), 2 * 300 * 0.39370078f);
  EXPECT_FLOAT_EQ(ShownToPixels(1.77f, kUnitInches, 600), 1062);
  EXPECT_FLOAT_EQ(ShownToPixels(89.916f, kUnitMm, 300), 89.916f * 300 * 0.03937008f);
  EXPECT_FLOAT_EQ(ShownToPixels(1062, kUnitPixels, 1200), 1062);

  test::ReportRecorder recorder;  // an unknown unit
  EXPECT_FLOAT_EQ(PixelsToShown(1062, 4, 300), 1062);
  EXPECT_FLOAT_EQ(ShownToPixels(5, -1, 300), 5);
  EXPECT_TRUE(recorder.Saw("0"));
  EXPECT_EQ(recorder.Reports().size(), 2u);
}

TEST(CardSize, SizesAndResolutionsOutsideTheLimitsAreRefused) {
  struct Case {
    float width, height;
    int dpi;
    const char* says;  // a part of the message; nullptr when accepted
  };
  const Case cases[] = {
      {10000, 6710, 4800, nullptr},
      {1, 1, 50, nullptr},
      {10000, 6711, 300, "64 megapixels"},
      {1062, 615, 49, "between 50 and 4800 dpi"},
      {1062, 615, 4801, "between 50 and 4800 dpi"},
      {std::nanf(""), 615, 300, "Please enter a number."},
  };
  for (const Case& c : cases) {
    const QString problem = CardSizeProblem(c.width, c.height, c.dpi);
    if (c.says == nullptr) {
      EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
    } else {
      EXPECT_TRUE(problem.contains(QString::fromUtf8(c.says)))
          << c.width << "x" << c.height << "@" << c.dpi << ": " << problem.toStdString();
    }
  }
}

}  // namespace
}  // namespace tavolo
