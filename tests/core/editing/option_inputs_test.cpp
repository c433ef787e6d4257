#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "core/card/CardLimits.h"
#include "core/editing/CardSize.h"
#include "core/editing/ColourTargets.h"
#include "core/editing/FontPoints.h"
#include "core/editing/StyleInputs.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

// Text Options shows sizes in points: the stored "38" of the default card prints at 8.2 pt. Each
// size listed reaches a stored size that prints within a fifth of a point of it, at 300 dpi and
// on the same card at 600 dpi alike; sizes past the largest stored one are not listed; typed
// points follow the locale.
TEST(FontPoints, StoredSizesAreShownAndChosenInPointsByTheCardsDpi) {
  const CardState card;
  EXPECT_EQ(PointsText(FontSizePoints("38", card), QLocale::c()), "8.2");
  EXPECT_EQ(StoredFontSize(8, card), "37");
  EXPECT_EQ(FontPointChoices(card).back(), "48");
  CardState fine = card;
  fine.dpi = 600;
  fine.cardWidth *= 2;
  fine.cardHeight *= 2;
  for (const CardState& c : {card, fine}) {
    for (const QString& listed : FontPointChoices(c)) {
      const std::optional<QString> stored = StoredFontSize(listed.toDouble(), c);
      ASSERT_TRUE(stored.has_value()) << listed.toStdString();
      EXPECT_NEAR(FontSizePoints(*stored, c), listed.toDouble(), 0.2) << listed.toStdString();
    }
  }
  EXPECT_NEAR(FontSizePoints("38", fine), FontSizePoints("38", card), 0.01);
  const QLocale german(QLocale::German, QLocale::Germany);
  EXPECT_EQ(PointsText(7.92, german), "7,9");
  EXPECT_EQ(PointsText(12.0, german), "12");
  EXPECT_EQ(TypedFontPoints("8,5", card, german), TypedFontPoints("8.5", card, QLocale::c()));
  EXPECT_TRUE(TypedFontPoints("8,5", card, german).has_value());
  for (const char* refused : {"abc", "", "500", "0.1"}) {
    EXPECT_FALSE(TypedFontPoints(refused, card, german).has_value()) << refused;
  }
}

TEST(CardSize, ACardInPixelsOpensInTheLocalesUnitAndAChosenUnitStays) {
  const std::tuple<int, QLocale::MeasurementSystem, int> cases[] = {
      {kUnitPixels, QLocale::MetricSystem, kUnitMm},
      {kUnitPixels, QLocale::ImperialUKSystem, kUnitMm},
      {kUnitPixels, QLocale::ImperialUSSystem, kUnitInches},
      {7, QLocale::MetricSystem, kUnitMm},
      {kUnitCm, QLocale::ImperialUSSystem, kUnitCm},
      {kUnitInches, QLocale::MetricSystem, kUnitInches},
  };
  for (const auto& [stored, system, shown] : cases) {
    EXPECT_EQ(ShownSizeUnit(stored, system), shown) << stored << " " << system;
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
    EXPECT_EQ(text.styles[b].frameColour, before.styles[b].frameColour) << b;
    EXPECT_EQ(frame.styles[b].frameColour, used ? colour : before.styles[b].frameColour) << b;
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
  const std::tuple<const char*, int, bool> cases[] = {
      {"255", 255, false},
      {"300", 255, true},
      {"12a", 0, false},
      {" 17 ", 17, false},
      {"99999999999999999999999", 255, true},
  };
  for (const auto& [text, value, clamped] : cases) {
    const ChannelReading read = ReadChannel(QString::fromUtf8(text));
    EXPECT_EQ(read.value, value) << text;
    EXPECT_EQ(read.clamped, clamped) << text;
  }
}

// The card's size: the pixels it may have, its size in the card properties dialog's units and
// the resolutions that dialog offers.
TEST(CardLimits, ACardIsOneTo10000PixelsASideAndAtMost64Megapixels) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  // drawnWidth 0: refused
  const std::tuple<float, float, int, int, const char*> cases[] = {
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
  for (const auto& [width, height, drawnWidth, drawnHeight, problem] : cases) {
    const CardPixelSize size = CardPixels(width, height);
    EXPECT_EQ(size.problem, problem) << width << " x " << height;
    EXPECT_EQ(size.Ok(), drawnWidth > 0);
    EXPECT_EQ(size.width, drawnWidth);
    EXPECT_EQ(size.height, drawnHeight);
  }
}

TEST(CardSize, PixelsShownInEachUnitAndBack) {
  const std::tuple<float, int, float, float> cases[] = {
      {1062, kUnitInches, 300, 3.54f}, {1062, kUnitMm, 300, 89.916f},
      {1062, kUnitCm, 300, 8.9916f},   {1062, kUnitPixels, 300, 1062},
      {1062, kUnitInches, 600, 1.77f},
  };
  for (const auto& [pixels, unit, dpi, shown] : cases) {
    EXPECT_FLOAT_EQ(PixelsToShown(pixels, unit, dpi), shown) << unit << " " << dpi;
    EXPECT_NEAR(ShownToPixels(shown, unit, dpi), pixels, 0.05f) << unit << " " << dpi;
  }

  test::ReportRecorder recorder;  // an unknown unit
  EXPECT_FLOAT_EQ(PixelsToShown(1062, 4, 300), 1062);
  EXPECT_FLOAT_EQ(ShownToPixels(5, -1, 300), 5);
  EXPECT_TRUE(recorder.Saw("0"));
  EXPECT_EQ(recorder.Reports().size(), 2u);
}

TEST(CardSize, SizesAndResolutionsOutsideTheLimitsAreRefused) {
  // says: a part of the message; nullptr when accepted
  const std::tuple<float, float, int, const char*> cases[] = {
      {10000, 6710, 4800, nullptr},
      {1, 1, 50, nullptr},
      {10000, 6711, 300, "64 megapixels"},
      {1062, 615, 49, "between 50 and 4800 dpi"},
      {1062, 615, 4801, "between 50 and 4800 dpi"},
      {std::nanf(""), 615, 300, "Please enter a number."},
  };
  for (const auto& [width, height, dpi, says] : cases) {
    const Outcome<> size = CheckCardSize(width, height, dpi);
    if (says == nullptr) {
      EXPECT_TRUE(size.Ok()) << size.Message();
    } else {
      EXPECT_NE(size.Message().find(says), std::string::npos)
          << width << "x" << height << "@" << dpi << ": " << size.Message();
    }
  }
}

}  // namespace
}  // namespace tavolo
