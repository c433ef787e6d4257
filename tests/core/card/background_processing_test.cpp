// The background steps on the pixel buffer, checked byte for byte against their formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "core/base/ColorModel.h"
#include "core/bridge/ImageBridge.h"
#include "core/card/BackgroundProcessing.h"
#include "tests/core/card/RenderTestSupport.h"

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

struct Buffer {
  int dx;
  int dy;
  std::vector<uint32_t> px;
  Buffer(int w, int h) : dx(w), dy(h), px(static_cast<size_t>(w) * h, kGround) {}
  uint32_t At(int x, int y) const { return px[static_cast<size_t>(y) * dx + x]; }
};

CardState Gradient(int orientation, float shift, float scale) {
  CardState card;
  card.gradOrientation = orientation;
  card.bgShift = shift;
  card.gradScale = scale;
  card.bgColor = {40.0f, 200.0f, 0.0f};  // lightness is ignored: brightness gives it
  card.bgBrightness = 0.4f;
  return card;
}

TEST(GradientColour, UsesBrightnessAndPacksRedHigh) {
  const CardState card = Gradient(0, 0, 0);
  const Colorref c = RgbToColorref(HslToRgb({40.0f, 200.0f, 96.0f}));
  EXPECT_EQ(GradientColour(card),
            (uint32_t{ColorrefRed(c)} << 16) | (uint32_t{ColorrefGreen(c)} << 8) | ColorrefBlue(c));
}

TEST(ModifyBg, TopToBottomHalfShiftFullScaleOn615Rows) {
  Buffer b(3, 615);
  const CardState card = Gradient(kGradTopToBottom, 0.5f, 1.0f);
  const uint32_t c = GradientColour(card);
  ASSERT_EQ(ModifyBg(b.px.data(), b.dx, b.dy, card), 0);
  for (int y = 307; y < 615; ++y) EXPECT_EQ(b.At(2, y), c) << y;  // whole value, fourth byte 0
  for (int y = 0; y < 307; ++y) EXPECT_EQ(b.At(1, y), Expected(kGround, c, y * 255 / 306)) << y;
  EXPECT_EQ(b.At(0, 0), kGround & 0xFFFFFF);  // t = 0 at the far end
  EXPECT_EQ(b.At(0, 306), c);                 // t = 255 next to the solid part
}

TEST(ModifyBg, TopToBottomFullShiftCoversTheCard) {
  Buffer b(5, 7);
  const CardState card = Gradient(kGradTopToBottom, 1.0f, 0.3f);
  ModifyBg(b.px.data(), b.dx, b.dy, card);
  for (uint32_t p : b.px) EXPECT_EQ(p, GradientColour(card));
}

TEST(ModifyBg, LeftToRightRampFallsFromTheSolidSide) {
  Buffer b(1062, 2);
  const CardState card = Gradient(kGradLeftToRight, 0.0f, 1.0f);
  const uint32_t c = GradientColour(card);
  ModifyBg(b.px.data(), b.dx, b.dy, card);
  // e = 1062, a = 0: t = (p − 1062) × 255 / −1063.
  EXPECT_EQ(b.At(0, 1), Expected(kGround, c, 254));
  EXPECT_EQ(b.At(1061, 0), Expected(kGround, c, 0));
  for (int x = 0; x < 1062; ++x)
    EXPECT_EQ(b.At(x, 0), Expected(kGround, c, (x - 1062) * 255 / -1063));
}

TEST(ModifyBg, LeftToRightWithSolidColumns) {
  Buffer b(100, 3);
  const CardState card = Gradient(kGradLeftToRight, 0.25f, 0.5f);
  const uint32_t c = GradientColour(card);
  ModifyBg(b.px.data(), b.dx, b.dy, card);
  // a = 25, e = trunc(75 × 0.5) + 25 = 62.
  for (int x = 0; x < 25; ++x) EXPECT_EQ(b.At(x, 2), c);
  for (int x = 25; x < 62; ++x)
    EXPECT_EQ(b.At(x, 1), Expected(kGround, c, (x - 62) * 255 / (25 - 62 - 1)));
  for (int x = 62; x < 100; ++x) EXPECT_EQ(b.At(x, 0), kGround);
}

TEST(ModifyBg, BottomToTopSolidRowsAtTheTop) {
  Buffer b(4, 40);
  const CardState card = Gradient(kGradBottomToTop, 0.1f, 0.5f);
  const uint32_t c = GradientColour(card);
  ModifyBg(b.px.data(), b.dx, b.dy, card);
  // a = 4, e = trunc(36 × 0.5) + 4 = 22.
  for (int y = 0; y < 4; ++y) EXPECT_EQ(b.At(3, y), c);
  for (int y = 4; y < 22; ++y)
    EXPECT_EQ(b.At(0, y), Expected(kGround, c, (y - 22) * 255 / (4 - 22 - 1)));
  for (int y = 22; y < 40; ++y) EXPECT_EQ(b.At(1, y), kGround);
}

TEST(ModifyBg, RightToLeftSolidColumnsAtTheRight) {
  Buffer b(50, 2);
  const CardState card = Gradient(kGradRightToLeft, 0.2f, 0.5f);
  const uint32_t c = GradientColour(card);
  ModifyBg(b.px.data(), b.dx, b.dy, card);
  // a = 40, b = 20.
  for (int x = 0; x < 20; ++x) EXPECT_EQ(b.At(x, 0), kGround);
  for (int x = 20; x < 40; ++x) EXPECT_EQ(b.At(x, 1), Expected(kGround, c, (x - 20) * 255 / 19));
  for (int x = 40; x < 50; ++x) EXPECT_EQ(b.At(x, 0), c);
}

TEST(ModifyBg, OnePixelRampUsesTheLengthAsDivisor) {
  Buffer b(2, 10);
  // a = 5, b = trunc(0.8 × 5) = 4: one ramp row with t = 0.
  const CardState card = Gradient(kGradTopToBottom, 0.5f, 0.2f);
  ModifyBg(b.px.data(), b.dx, b.dy, card);
  EXPECT_EQ(b.At(0, 3), kGround);
  EXPECT_EQ(b.At(0, 4), kGround & 0xFFFFFF);
  EXPECT_EQ(b.At(0, 5), GradientColour(card));
}

TEST(ModifyBg, DefaultsChangeNothingInAnyOrientation) {
  for (int o = 0; o < 4; ++o) {
    Buffer b(9, 9);
    ModifyBg(b.px.data(), b.dx, b.dy, Gradient(o, 0.0f, 0.0f));
    for (uint32_t p : b.px) EXPECT_EQ(p, kGround) << o;
  }
}

TEST(ModifyBg, UnknownOrientationIsReportedAndChangesNothing) {
  ReportRecorder recorder;
  Buffer b(4, 4);
  EXPECT_EQ(ModifyBg(b.px.data(), b.dx, b.dy, Gradient(7, 0.5f, 0.5f)), 0);
  EXPECT_EQ(recorder.Reports().size(), 1u);
  for (uint32_t p : b.px) EXPECT_EQ(p, kGround);
}

TEST(ModifyBg, ValuesOutsideTheirRangeStayInsideTheBuffer) {
  for (int o = 0; o < 4; ++o) {
    for (float shift : {-3.0f, 2.5f, NAN}) {
      for (float scale : {-2.0f, 4.0f, NAN}) {
        Buffer b(7, 5);
        ModifyBg(b.px.data(), b.dx, b.dy, Gradient(o, shift, scale));
      }
    }
  }
}

// The tint of one pixel, step by step as the buffer arithmetic is defined.
uint32_t TintedByHand(uint32_t pixel, float hue, float sat, float l) {
  const HslColor c =
      RgbToHsl({float(pixel & 0xFF), float((pixel >> 8) & 0xFF), float((pixel >> 16) & 0xFF)});
  float h = c.h + hue * 239.0f;
  if (h > 239.0f) h -= 239.0f;
  if (h < 0.0f) h += 239.0f;
  const float s = std::fmin(std::fmax(c.s + sat * 480.0f, 0.0f), 240.0f);
  const float li = std::fmin(std::fmax(c.l + l * 480.0f, 0.0f), 240.0f);
  return HslToColorref(h, s, li);
}

TEST(SetHSL, NoTintKeepsEveryByte) {
  std::vector<uint32_t> px = {0xFF123456u, 0x00ABCDEFu, 0x7F000000u};
  const auto before = px;
  EXPECT_TRUE(SetHSL(px.data(), 3, 1, 0.0f, 0.0f, 0.0f));
  EXPECT_EQ(px, before);
}

TEST(SetHSL, EveryPixelFollowsTheFormula) {
  std::mt19937 random(7);
  std::vector<uint32_t> px(64 * 64);
  for (uint32_t& p : px) p = random();
  // Runs of one colour exercise the remembered answers.
  for (size_t i = 100; i < 300; ++i) px[i] = px[99];
  const auto before = px;
  ASSERT_TRUE(SetHSL(px.data(), 64, 64, 0.2f, -0.1f, 0.05f));
  for (size_t i = 0; i < px.size(); ++i) {
    ASSERT_EQ(px[i], TintedByHand(before[i], 0.2f, -0.1f, 0.05f)) << i;
    ASSERT_EQ(px[i] >> 24, 0u);
  }
}

TEST(SetHSL, HueWrapsBy239AndFirstByteIsRed) {
  // First byte 255, third byte 1: hue 239 − 40/255; a shift of 2.39 carries it past 239.
  const uint32_t pixel = 0x000100FFu;
  uint32_t px = pixel;
  SetHSL(&px, 1, 1, 0.01f, 0.0f, 0.0f);
  const float h = 239.0f - 40.0f / 255.0f + 2.39f - 239.0f;
  const Colorref expected = HslToColorref(h, 240.0f, 120.0f);
  EXPECT_EQ(px, expected);
  EXPECT_EQ(px, TintedByHand(pixel, 0.01f, 0.0f, 0.0f));
}

TEST(SetHSL, SaturationAndLightnessClamp) {
  uint32_t px = 0x00808080u;
  SetHSL(&px, 1, 1, 0.0f, 0.0f, 0.5f);  // lightness far past 240
  EXPECT_EQ(px, 0x00FFFFFFu);
  px = 0x00808080u;
  SetHSL(&px, 1, 1, 0.0f, 0.0f, -0.5f);
  EXPECT_EQ(px, 0u);
}

TEST(DrawnBackgroundNumber, NoChoiceDrawsBackgroundOne) {
  EXPECT_EQ(DrawnBackgroundNumber(-1), 1);
  EXPECT_EQ(DrawnBackgroundNumber(-7), 1);
  EXPECT_EQ(DrawnBackgroundNumber(0), 0);
  EXPECT_EQ(DrawnBackgroundNumber(12), 12);
}

TEST(DrawBackgroundImage, StretchesOverTheCardAndLeavesWhiteWithoutPicture) {
  test::EnsureGuiApplication();
  QImage card(40, 20, QImage::Format_RGB32);
  DrawBackgroundImage(card, QImage());
  EXPECT_EQ(test::Rgb(card, 39, 19), 0xFFFFFFu);
  const QImage picture = ToQImage(
      test::MakePicture(4, 2, [](uint32_t x, uint32_t) { return x < 2 ? 0xFF0000u : 0x0000FFu; }));
  DrawBackgroundImage(card, picture);
  EXPECT_EQ(test::Rgb(card, 2, 10), 0xFF0000u);
  EXPECT_EQ(test::Rgb(card, 37, 10), 0x0000FFu);
}

}  // namespace
}  // namespace tavolo
