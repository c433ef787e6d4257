#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

#include "core/base/ColourModel.h"
#include "core/render/BackgroundProcessing.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

using test::ReportRecorder;

constexpr uint32_t kGround = 0xAA336699u;  // fourth byte set, to see it cleared

// Blend of one pixel with weight t, written out byte by byte.
uint32_t Expected(uint32_t p, uint32_t c, int t) {
  uint32_t out = 0;
  for (int s = 0; s < 24; s += 8) {
    const int cb = (c >> s) & 0xFF;
    const int pb = (p >> s) & 0xFF;
    out |= static_cast<uint32_t>((cb * t + pb * (255 - t)) / 255) << s;
  }
  return out;
}

CardState Gradient(int orientation, float shift, float scale) {
  CardState card;
  // The colour's lightness is ignored: the brightness gives it.
  std::tie(card.gradOrientation, card.bgShift, card.gradScale, card.backgroundColour,
           card.bgBrightness) = std::tuple(orientation, shift, scale, HslColour{40, 200, 0}, 0.4f);
  return card;
}

TEST(ModifyBg, EachOrientationPaintsItsSolidPartAndRampAndLeavesTheRest) {
  // Along the gradient's axis: the solid part in the whole colour (fourth byte 0), the ramp
  // blended with weight t(position), the rest untouched.
  const auto none = [](int) { return 0; };
  using Case =
      std::tuple<const char*, int, float, float, int, int, int, int, int, int, int (*)(int)>;
  const Case cases[] = {
      // a = 307 solid rows at the bottom; t = 255 next to the solid part, 0 at the far end.
      {"top to bottom, half shift, 615 rows", kGradTopToBottom, 0.5f, 1.0f, 3, 615, 307, 615, 0,
       307, [](int y) { return y * 255 / 306; }},
      {"top to bottom, full shift", kGradTopToBottom, 1.0f, 0.3f, 5, 7, 0, 7, 0, 0, none},
      // e = 1062, a = 0: t = (p − 1062) × 255 / −1063.
      {"left to right, no solid part", kGradLeftToRight, 0.0f, 1.0f, 1062, 2, 0, 0, 0, 1062,
       [](int x) { return (x - 1062) * 255 / -1063; }},
      // a = 25, e = trunc(75 × 0.5) + 25 = 62.
      {"left to right, solid columns", kGradLeftToRight, 0.25f, 0.5f, 100, 3, 0, 25, 25, 62,
       [](int x) { return (x - 62) * 255 / (25 - 62 - 1); }},
      // a = 4, e = trunc(36 × 0.5) + 4 = 22.
      {"bottom to top", kGradBottomToTop, 0.1f, 0.5f, 4, 40, 0, 4, 4, 22,
       [](int y) { return (y - 22) * 255 / (4 - 22 - 1); }},
      // a = 40, b = 20.
      {"right to left", kGradRightToLeft, 0.2f, 0.5f, 50, 2, 40, 50, 20, 40,
       [](int x) { return (x - 20) * 255 / 19; }},
      // a = 5, b = trunc(0.8 × 5) = 4: one ramp row with t = 0, the length as divisor.
      {"one-pixel ramp", kGradTopToBottom, 0.5f, 0.2f, 2, 10, 5, 10, 4, 5, none},
      {"defaults, bottom to top", kGradBottomToTop, 0, 0, 9, 9, 0, 0, 0, 0, none},
      {"defaults, right to left", kGradRightToLeft, 0, 0, 9, 9, 0, 0, 0, 0, none},
  };
  for (const auto& [what, orientation, shift, scale, dx, dy, solidFrom, solidTo, rampFrom, rampTo,
                    t] : cases) {
    SCOPED_TRACE(what);
    test::PixelBuffer b(dx, dy, kGround);
    const CardState card = Gradient(orientation, shift, scale);
    const uint32_t c = GradientColour(card);
    ASSERT_EQ(ModifyBg(b.px.data(), b.dx, b.dy, card), 0);
    const bool alongX = orientation == kGradLeftToRight || orientation == kGradRightToLeft;
    for (int y = 0; y < dy; ++y) {
      for (int x = 0; x < dx; ++x) {
        const int at = alongX ? x : y;
        const uint32_t expected = at >= solidFrom && at < solidTo ? c
                                  : at >= rampFrom && at < rampTo ? Expected(kGround, c, t(at))
                                                                  : kGround;
        ASSERT_EQ(b.At(x, y), expected) << x << "," << y;
      }
    }
  }
}

TEST(BlendTowards, AgreesWithTheDivisionForEveryWeightAndRandomPixels) {
  std::mt19937 random(11);
  for (int i = 0; i < 10000; ++i) {
    // Every weight with the extreme bytes first, where the products are largest, then at random.
    const bool extreme = i < 4 * 256;
    const uint32_t p = extreme ? ((i >> 8) & 1 ? 0xFFFFFFFFu : 0u) : random();
    const uint32_t c = extreme ? ((i >> 9) & 1 ? 0xFFFFFFFFu : 0u) : random();
    const int t = extreme ? i & 0xFF : static_cast<int>(random() % 256);
    ASSERT_EQ(BlendTowards(p, c, t), Expected(p, c, t)) << std::hex << p << " " << c << " " << t;
  }
}

TEST(ModifyBg, UnknownOrientationIsReportedAndChangesNothing) {
  ReportRecorder recorder;
  test::PixelBuffer b(4, 4, kGround);
  EXPECT_EQ(ModifyBg(b.px.data(), b.dx, b.dy, Gradient(7, 0.5f, 0.5f)), 0);
  EXPECT_EQ(recorder.Reports().size(), 1u);
  for (uint32_t p : b.px) EXPECT_EQ(p, kGround);
}

// The tint of one pixel, step by step as the buffer arithmetic is defined.
uint32_t TintedByHand(uint32_t pixel, float hue, float sat, float l) {
  const HslColour c =
      RgbToHsl({float(pixel & 0xFF), float((pixel >> 8) & 0xFF), float((pixel >> 16) & 0xFF)});
  float h = c.h + hue * 239.0f;
  if (h > 239.0f) h -= 239.0f;
  if (h < 0.0f) h += 239.0f;
  const float s = std::fmin(std::fmax(c.s + sat * 480.0f, 0.0f), 240.0f);
  const float li = std::fmin(std::fmax(c.l + l * 480.0f, 0.0f), 240.0f);
  return HslToColourRef(h, s, li);
}

TEST(SetHSL, NoTintKeepsEveryByteAndSaturationAndLightnessClamp) {
  const std::tuple<uint32_t, float, uint32_t> cases[] = {
      {0xFF123456u, 0.0f, 0xFF123456u},
      {0x00808080u, 0.5f, 0x00FFFFFFu},  // far past 240
      {0x00808080u, -0.5f, 0u},
  };
  for (const auto& [pixel, lightness, expected] : cases) {
    uint32_t px = pixel;
    EXPECT_TRUE(SetHSL(&px, 1, 1, 0.0f, 0.0f, lightness));
    EXPECT_EQ(px, expected) << std::hex << pixel << " " << lightness;
  }
}

TEST(SetHSL, EveryPixelFollowsTheFormula) {
  // Pixels go four at a time: an odd count leaves a remainder, and the shifts cross every wrap
  // and clamp.
  const std::tuple<float, float, float> tints[] = {
      {0.2f, -0.1f, 0.05f}, {-0.5f, 0.5f, -0.3f}, {0.5f, -0.5f, 0.5f}, {0.01f, 0.0f, 0.0f}};
  std::mt19937 random(7);
  for (const auto& [hue, sat, light] : tints) {
    std::vector<uint32_t> px(99 * 101);
    for (uint32_t& p : px) p = random();
    for (size_t i = 0; i < 256; ++i) px[i] = 0x00010101u * static_cast<uint32_t>(i);  // greys
    const auto before = px;
    ASSERT_TRUE(SetHSL(px.data(), 99, 101, hue, sat, light));
    for (size_t i = 0; i < px.size(); ++i) {
      ASSERT_EQ(px[i], TintedByHand(before[i], hue, sat, light)) << i << " " << hue;
    }
  }
}

}  // namespace
}  // namespace tavolo
