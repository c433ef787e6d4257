#include <gtest/gtest.h>

#include <tuple>

#include "core/base/ColourModel.h"

namespace tavolo {
namespace {

ColourRef Ref(int r, int g, int b) {
  return MakeColourRef(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
}

TEST(HslToRgb, ExamplesTruncateAndOutOfRangeInputsClamp) {
  const std::tuple<HslColour, ColourRef> cases[] = {
      {{0, 240, 120}, Ref(255, 0, 0)},
      {{80, 240, 120}, Ref(0, 255, 0)},
      {{160, 240, 120}, Ref(0, 0, 255)},
      {{0, 0, 240}, Ref(255, 255, 255)},
      {{0, 0, 0}, Ref(0, 0, 0)},
      {{0, 0, 120}, Ref(127, 127, 127)},
      {{300, 240, 300}, Ref(255, 255, 255)},
  };
  for (const auto& [hsl, truncated] : cases) {
    EXPECT_EQ(RgbToColourRef(HslToRgb(hsl)), truncated) << hsl.h << " " << hsl.l;
  }
  EXPECT_FLOAT_EQ(HslToRgb({0, 0, 120}).r, 0.5f);
  EXPECT_EQ(HslToColourRef(0, 0, 120), Ref(128, 128, 128));  // rounds
  EXPECT_EQ(HslToRgb({300, 240, 300}), HslToRgb({239, 240, 240}));
  EXPECT_EQ(HslToRgb({-5, -1, -1}), HslToRgb({0, 0, 0}));
  EXPECT_EQ(HslToColourRef(-5, 500, 120), HslToColourRef(0, 240, 120));

  const RgbColour top = HslToRgb({239, 240, 120});  // the top hue is nearly red
  EXPECT_FLOAT_EQ(top.r, 1.0f);
  EXPECT_FLOAT_EQ(top.g, 0.0f);
  EXPECT_NEAR(top.b, 0.025f, 1e-6f);
}

TEST(HslToRgb, TheTwoGreyTestsDiffer) {
  // s' = 0.02 / 240 is below the 0.0001 tolerance of HslToRgb but not exactly zero.
  const RgbColour c = HslToRgb({0, 0.02f, 120});
  EXPECT_EQ(c.r, c.g);
  EXPECT_EQ(c.g, c.b);
  EXPECT_EQ(HslToColourRef(0, 0.02f, 120), Ref(128, 127, 127));
}

TEST(RgbToColourRef, ClampsAndTruncates) {
  EXPECT_EQ(RgbToColourRef({1.0f, 0.999f, 1.5f}), Ref(255, 254, 255));
  EXPECT_EQ(RgbToColourRef({-0.5f, 0.0f, 0.00392f}), Ref(0, 0, 0));
}

TEST(RgbToHsl, ExamplesGreysClampingAndTheHueWrap) {
  EXPECT_EQ(RgbToHsl({255, 0, 0}), (HslColour{0, 240, 120}));
  EXPECT_EQ(RgbToHsl({0, 255, 0}), (HslColour{80, 240, 120}));
  EXPECT_EQ(RgbToHsl({0, 0, 255}), (HslColour{160, 240, 120}));
  EXPECT_EQ(RgbToHsl({255, 255, 255}), (HslColour{160, 0, 240}));
  EXPECT_EQ(RgbToHsl({0, 0, 0}), (HslColour{160, 0, 0}));
  const HslColour almostGrey = RgbToHsl({10, 10, 10.05f});
  EXPECT_EQ(almostGrey.h, 160.0f);
  EXPECT_EQ(almostGrey.s, 0.0f);
  EXPECT_EQ(RgbToHsl({300, -20, 0}), RgbToHsl({255, 0, 0}));
  EXPECT_NEAR(RgbToHsl({255, 0, 1}).h, 239.0f - 40.0f / 255.0f, 1e-4f);  // a negative hue wraps
  // Light colour: sum above 255 uses 510 - sum.
  EXPECT_NEAR(RgbToHsl({255, 200, 200}).s, 55.0f / (510.0f - 455.0f) * 240.0f, 1e-3f);
}

}  // namespace
}  // namespace tavolo
