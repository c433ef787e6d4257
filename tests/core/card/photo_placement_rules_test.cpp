// The rules behind the photo and logo dialogs: the shown percentage and the fit of a new picture.
#include <gtest/gtest.h>

#include <optional>

#include "core/card/CardRenderer.h"
#include "core/card/PhotoFit.h"

namespace tavolo {
namespace {

TEST(PhotoFit, LargePicturesAreFittedByHeightFirstThenByWidth) {
  struct Case {
    float width, height;
    std::optional<float> reduction;
  };
  const Case cases[] = {
      {2000, 1000, 1.0f - 307.5f / 1000.0f},  // higher than half the card
      {400, 200, std::nullopt},               // fits as it is
      {1200, 300, 1.0f - 531.0f / 1200.0f},   // only wider than half the card
      {2000, 400, 1.0f - 307.5f / 400.0f},    // both: the height decides
      {531, 307.5f, std::nullopt},            // exactly half fits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FitReduction(c.width, c.height, 1062, 615), c.reduction)
        << c.width << "x" << c.height;
  }
  EXPECT_FLOAT_EQ(*FitReduction(2000, 1000, 1062, 615), 0.6925f);
}


}  // namespace
}  // namespace tavolo
