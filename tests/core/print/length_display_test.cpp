// The print dialog's shown lengths: to display with float rounding and truncation, back unscaled.
#include <gtest/gtest.h>

#include "core/print/LengthDisplay.h"

namespace tavolo {
namespace {

struct ToDisplayCase {
  float printPixels;
  int dpi;
  LengthUnit unit;
  float shown;
};

TEST(LengthDisplay, ToDisplayRoundsToFloatThenTruncatesToTwoDecimals) {
  const ToDisplayCase cases[] = {
      {1062.0f, 300, LengthUnit::kMm, 89.91f},     // 89.916
      {1062.0f, 300, LengthUnit::kInches, 3.53f},  // 3.54f lies just below 3.54
      {1062.0f, 300, LengthUnit::kCm, 8.99f},      // 8.9916
      {1062.0f, 600, LengthUnit::kInches, 1.76f},
      {-1062.0f, 300, LengthUnit::kMm, -89.91f},  // toward zero
  };
  for (const ToDisplayCase& c : cases) {
    EXPECT_EQ(ToDisplay(c.printPixels, c.dpi, c.unit), c.shown)
        << c.printPixels << " px at " << c.dpi << " dpi in unit " << static_cast<int>(c.unit);
  }
}

TEST(LengthDisplay, OpeningShowsInchesUntruncatedAndTheWidthSurvivesUnitSwitches) {
  PageLayout layout;
  const ShownLengths opening = ShowLengthsUntruncated(layout, 300);
  EXPECT_EQ(At(opening, LayoutLength::kCardWidth), 3.54f);
  EXPECT_EQ(DisplayText(At(opening, LayoutLength::kCardWidth)), "3.54");
  EXPECT_EQ(At(opening, LayoutLength::kLeftMargin), 0.75f);

  // 3.54 in, then mm, then inches again: the layout is not touched by the unit switches.
  EXPECT_EQ(DisplayText(At(ShowLengths(layout, 300, LengthUnit::kMm), LayoutLength::kCardWidth)),
            "89.91");
  const ShownLengths back = ShowLengths(layout, 300, LengthUnit::kInches);
  EXPECT_EQ(DisplayText(At(back, LayoutLength::kCardWidth)), "3.53");
  EXPECT_EQ(layout.cardWidth, 1062.0f);
}

struct FromDisplayCase {
  float shown;
  LengthUnit unit;
  float printPixels;
};

TEST(LengthDisplay, FromDisplayUsesItsOwnFactorsUnrounded) {
  const FromDisplayCase cases[] = {
      {2.0f, LengthUnit::kCm, 236.220468f},   // 2 × 0.39370078 × 300
      {89.91f, LengthUnit::kMm, 1061.9292f},  // not back to 1062
      {0.69f, LengthUnit::kInches, 207.0f},   // 0.69f × 300 rounds to 207
  };
  for (const FromDisplayCase& c : cases) {
    EXPECT_FLOAT_EQ(FromDisplay(c.shown, 300, c.unit), c.printPixels) << c.shown;
  }
  EXPECT_EQ(DisplayText(FromDisplay(2.0f, 300, LengthUnit::kCm)), "236.22");
}

TEST(LengthDisplay, EditTextIsANumberFromZeroToAThousand) {
  const struct {
    const char* text;
    float value;  // -1: refused
    const char* message;
  } cases[] = {
      {" 3.54 ", 3.54f, ""},
      {"1000", 1000.0f, ""},
      {"", -1, "Please enter a number."},
      {"inf", -1, "Please enter a number."},
      {"1000.01", -1, "Please enter a number between 0 and 1000."},
      {"-0.5", -1, "Please enter a number between 0 and 1000."},
  };
  for (const auto& c : cases) {
    const ParsedLength parsed = ParseShownLength(QString::fromUtf8(c.text));
    EXPECT_EQ(parsed.message, QString::fromUtf8(c.message)) << c.text;
    if (c.value >= 0) {
      ASSERT_TRUE(parsed.value) << c.text;
      EXPECT_EQ(*parsed.value, c.value) << c.text;
    } else {
      EXPECT_FALSE(parsed.value) << c.text;
    }
  }
}

}  // namespace
}  // namespace tavolo
