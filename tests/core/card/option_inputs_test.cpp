// What the text, background and colour options accept and write into a card.
#include <gtest/gtest.h>

#include <cmath>

#include "core/card/ColourTargets.h"
#include "core/card/StyleInputs.h"

namespace tavolo {
namespace {

TEST(StyleInputs, ATypedSizeCountsOnlyFromSixTo250) {
  const struct {
    const char* typed;
    const char* kept;  // null: nothing changes
  } cases[] = {
      {"5", nullptr},    {"6", "6"},     {"250", "250"},           {"251", nullptr},
      {"07", "7"},       {"+12", "12"},  {"-12", nullptr},         {"", nullptr},
      {"12pt", nullptr}, {" 40 ", "40"}, {"99999999999", nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<QString> size = TypedFontSize(QString::fromLatin1(c.typed));
    if (c.kept == nullptr) {
      EXPECT_FALSE(size.has_value()) << c.typed;
    } else {
      EXPECT_EQ(size.value_or("none"), QString::fromLatin1(c.kept)) << c.typed;
    }
  }
}

TEST(ColourTargets, EachTargetWritesItsFieldsOfTheUsedBoxesOnly) {
  const HslColour colour{100, 180, 60};
  const CardState before;

  CardState text = before;
  ApplyColour(text, ColourTarget::kText, colour, 3);
  CardState frame = before;
  ApplyColour(frame, ColourTarget::kFrame, colour, 3);
  for (int b = 0; b < kTextBoxCount; ++b) {
    const bool used = b < 3;
    EXPECT_EQ(text.styles[b].textColour, used ? colour : before.styles[b].textColour) << b;
    EXPECT_FLOAT_EQ(text.styles[b].brightness, used ? 0.25f : before.styles[b].brightness) << b;
    EXPECT_EQ(text.styles[b].fillColour, before.styles[b].fillColour) << b;
    EXPECT_EQ(frame.styles[b].fillColour, used ? colour : before.styles[b].fillColour) << b;
    EXPECT_EQ(frame.styles[b].textColour, before.styles[b].textColour) << b;
  }

  CardState background = before;
  ApplyColour(background, ColourTarget::kBackground, colour, 3);
  EXPECT_EQ(background.backgroundColour, colour);
  EXPECT_FLOAT_EQ(background.bgBrightness, 0.25f);
  EXPECT_EQ(background.styles, before.styles);
}

TEST(ColourTargets, ShownNumbersTruncateAndChannelBoxesReadUpTo255) {
  EXPECT_EQ(ShownRgb({0, 240, 120}), (RgbNumbers{255, 0, 0}));
  EXPECT_EQ(ShownRgb({0, 0, 120}), (RgbNumbers{127, 127, 127}));
  EXPECT_EQ(ShownRgb({160, 0, 240}), (RgbNumbers{255, 255, 255}));
  EXPECT_EQ(ColourOfNumbers({255, 0, 0}), (HslColour{0, 240, 120}));
  struct Case {
    const char* text;
    int value;
    bool clamped;
  };
  const Case cases[] = {
      {"255", 255, false},
      {"300", 255, true},
      {"12a", 0, false},
      {" 17 ", 17, false},
      {"99999999999999999999999", 255, true},
  };
  for (const Case& c : cases) {
    const ChannelReading read = ReadChannel(QString::fromUtf8(c.text));
    EXPECT_EQ(read.value, c.value) << c.text;
    EXPECT_EQ(read.clamped, c.clamped) << c.text;
  }
}

}  // namespace
}  // namespace tavolo
