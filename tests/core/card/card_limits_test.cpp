#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/card/CardLimits.h"

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
      {1062, 615, 1062, 615, ""},
      {1062.9f, 615.5f, 1062, 615, ""},
      {1, 1, 1, 1, ""},
      {10000, 6710, 10000, 6710, ""},
      {8192, 8192, 8192, 8192, ""},
      {0, 615, 0, 0, "the card is 0 x 615 pixels; a card needs at least 1 pixel a side"},
      {0.5f, 615, 0, 0, "the card is 0.5 x 615 pixels; a card needs at least 1 pixel a side"},
      {1062, -615, 0, 0, "the card is 1062 x -615 pixels; a card needs at least 1 pixel a side"},
      {nan, 615, 0, 0, "the card is nan x 615 pixels; a card needs at least 1 pixel a side"},
      {1062, -inf, 0, 0, "the card is 1062 x -inf pixels; a card needs at least 1 pixel a side"},
      {10001, 1, 0, 0,
       "the card is 10001 x 1 pixels; a card is at most 10000 pixels a side and 64 megapixels"},
      {inf, 615, 0, 0,
       "the card is inf x 615 pixels; a card is at most 10000 pixels a side and 64 megapixels"},
      {16384, 16384, 0, 0,
       "the card is 16384 x 16384 pixels; a card is at most 10000 pixels a side and 64 megapixels"},
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

}  // namespace
}  // namespace tavolo
